#include "platform/random.h"

#include <chrono>

namespace platform {

namespace {
// A 32-bit linear congruential sequence; Random(n) scales its high bits, so every
// value of 0 … n - 1 is equally likely to within 2^-32.
std::uint32_t seed_state = 0;
}  // namespace

void Randomize() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  seed_state = std::uint32_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void SetRandSeed(std::uint32_t seed) { seed_state = seed; }
std::uint32_t RandSeed() { return seed_state; }

int Random(int n) {
  seed_state = seed_state * 134775813u + 1u;
  if (n <= 0) return 0;
  return int((std::uint64_t(seed_state) * std::uint64_t(n)) >> 32);
}

}  // namespace platform
