#include "forms/tick_log.h"

#include <cstdlib>
#include <fstream>

namespace forms {

TickLog::TickLog() {
  if (const char* path = std::getenv("KB_TICK_LOG")) path_ = path;
  if (!path_.empty()) marks_.reserve(1 << 16);
}

TickLog::~TickLog() {
  if (path_.empty()) return;
  std::ofstream out(path_);
  for (const Entry& e : marks_)
    out << std::chrono::duration_cast<std::chrono::microseconds>(e.time.time_since_epoch()).count() << ' '
        << (e.animating ? 1 : 0) << '\n';
}

}  // namespace forms
