#pragma once
// Lets the game timer sleep while the board rests, and wakes it again on a beat of its own
// rhythm as soon as a step has something to do.
//
// A step of a resting board (nothing animating or pulsing, no end of turn or of the game
// pending, nothing drawn since the last repaint, the computer not to move) changes nothing, so
// skipping it shows exactly the same. Waking on a beat keeps every step that does run at
// the very moment the always-running timer would have made it. What ends a rest (a click, a
// pulse, a new or loaded board, a window's answer) always happens in some event handler, and
// the event loop asks here before it next goes to sleep, so no path can be missed.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace forms {

// Time from `elapsed` (counted from the first beat) to the next beat `period` apart,
// rounded up to whole milliseconds; 0 on a beat.
std::chrono::milliseconds TimeToNextBeat(std::chrono::nanoseconds elapsed, std::chrono::milliseconds period);

class GameLoopPacer : public QObject {
 public:
  // `timer` is the game timer, whose timeout runs `step`; `hasWork` says whether a step
  // would change anything.
  GameLoopPacer(QTimer& timer, std::function<void()> step, std::function<bool()> hasWork);

  void Start();  // starts the timer; beats are counted from now
  void Stop();   // stops it, asleep or not, until the next Start
  bool Running() const { return timer_.isActive() || waking_.isActive() || asleep_; }
  bool Asleep() const { return asleep_; }
  // After a step: the timer sleeps if it is running and the step left nothing to do.
  void SleepIfResting();

 private:
  void WakeIfNeeded();
  void Wake();

  QTimer& timer_;
  QTimer waking_;  // one shot to the next beat
  std::function<void()> step_;
  std::function<bool()> hasWork_;
  std::chrono::steady_clock::time_point firstBeat_;
  bool asleep_ = false;
};

}  // namespace forms
