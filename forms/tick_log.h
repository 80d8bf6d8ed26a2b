#pragma once
// An optional record of when each game timer event arrived, for measuring how steady the
// game loop runs. It is on only when the environment variable KB_TICK_LOG names a file; the
// times are kept in memory and written there, one per line in microseconds, when the log is
// destroyed, so recording costs the loop next to nothing.
#include <chrono>
#include <string>
#include <vector>

namespace forms {

class TickLog {
 public:
  TickLog();
  ~TickLog();
  TickLog(const TickLog&) = delete;
  TickLog& operator=(const TickLog&) = delete;

  void Mark() {
    if (!path_.empty()) marks_.push_back(std::chrono::steady_clock::now());
  }

 private:
  std::string path_;
  std::vector<std::chrono::steady_clock::time_point> marks_;
};

}  // namespace forms
