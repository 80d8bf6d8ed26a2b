#pragma once
// The error raised by every failed file operation. Its message is the one a user reads,
// such as "File not found" or "Read beyond end of file".
#include <stdexcept>
#include <string>

namespace platform {

class EInOutError : public std::runtime_error {
 public:
  EInOutError(int errorCode, const std::string& message)
      : std::runtime_error(message), ErrorCode(errorCode) {}
  int ErrorCode;  // the runtime's I/O error number (2 file not found, 38 end of file, ...)
};

}  // namespace platform
