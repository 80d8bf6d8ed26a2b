#pragma once
// Every point at which a file operation can fail: run the operation once to count its calls of
// each kind, then make each of those calls fail in turn.
#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "platform/io_faults.h"

namespace files_testing {

struct FaultPoint {
  platform::io_faults::Op op;
  int n;          // the n-th call of op fails
  int errnoValue;
  const char* message;  // what the user is told
  std::string Name() const {
    static const char* const names[] = {"open", "read", "write", "rename", "close"};
    return std::string(names[int(op)]) + " #" + std::to_string(n) + " (" + message + ")";
  }
};

// How each kind of call fails, and what the user reads then: a refused open, a full disk on a
// write or a close, a failing device, a rename across devices.
struct FaultKind {
  platform::io_faults::Op op;
  int errnoValue;
  const char* message;
};
inline const std::vector<FaultKind>& FaultKinds() {
  using platform::io_faults::Op;
  static const std::vector<FaultKind> kinds = {
      {Op::Open, EACCES, "File access denied"}, {Op::Open, ENOSPC, "Disk full"},
      {Op::Read, EIO, "Disk read error"},       {Op::Write, ENOSPC, "Disk full"},
      {Op::Write, EIO, "Disk write error"},     {Op::Close, EIO, "Disk write error"},
      {Op::Close, ENOSPC, "Disk full"},         {Op::Rename, EXDEV, "Not same device"},
      {Op::Rename, EACCES, "File access denied"},
  };
  return kinds;
}

// Runs operation once with no fault and lists every point at which it could fail, each kind
// of failure of that call included.
inline std::vector<FaultPoint> FaultPointsOf(const std::function<void()>& operation) {
  platform::io_faults::Clear();
  operation();
  std::vector<FaultPoint> points;
  for (const FaultKind& kind : FaultKinds())
    for (int n = 1; n <= platform::io_faults::Calls(kind.op); ++n) points.push_back({kind.op, n, kind.errnoValue, kind.message});
  platform::io_faults::Clear();
  return points;
}

}  // namespace files_testing
