#pragma once
// An optional record of when each game timer event arrived (wall-clock time), for measuring how steady the
// game loop runs. It is on only when the environment variable KB_TICK_LOG names a file; the
// times are kept in memory and written there when the log is destroyed, one line per event:
// the time in microseconds, and 1 when the board was animating as the event arrived (the
// interval that ended there fell into an animation), else 0.
// Recording costs the loop next to nothing.
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

  void Mark(bool animating) {
    if (!path_.empty()) marks_.push_back({std::chrono::system_clock::now(), animating});
  }

 private:
  std::string path_;
  struct Entry {
    std::chrono::system_clock::time_point time;
    bool animating;
  };
  std::vector<Entry> marks_;
};

}  // namespace forms
