#pragma once
// Fault injection for the checked binary files, so tests can make a chosen system call fail
// and see that nothing is left half-written.
namespace platform::io_faults {

enum class Op { Open, Read, Write, Rename, Close };

// The n-th (1-based) future call of op fails as if the system call had set errnoValue.
// One pending fault per operation; a new one replaces the old.
void FailAt(Op op, int n, int errnoValue);
// Cancels every pending fault and sets the call counts back to zero.
void Clear();
// The calls of op made since the last Clear, failed ones included: a test runs an operation
// once to learn how many points it could fail at.
int Calls(Op op);

}  // namespace platform::io_faults
