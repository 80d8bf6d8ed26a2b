#pragma once
// Stops a fuzz run on a broken expectation, printing what went wrong; libFuzzer then keeps the
// input that caused it.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz_check {

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

inline void Expect(bool condition, const std::string& what) {
  if (!condition) Fail(what);
}

}  // namespace fuzz_check
