#pragma once
// Lets the game timer sleep through the steps that would show nothing, and makes those
// steps late instead, all at once, before anything can look at the board.
//
// While only pulses run, most steps just move a pulse to a frame that draws nothing or the
// same picture again; on a resting board every step does nothing at all. The pacer asks how
// many of the coming steps are quiet in that way, stops the timer for them, and wakes on the
// beat of the first step that may show something. The quiet steps it owes are made as soon as
// their beats have passed and any event arrives (a click, a key, a pulse, a window's answer),
// and in any case before that step. So every step still runs in order, on the board as it
// would have been, and every step that shows something shows it on its own beat.
//
// What ends a quiet stretch early (a click, a new pulse, a new or loaded board) always
// happens in some event handler, and the event loop asks here before it next goes to sleep.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

namespace forms {

// Time from `elapsed` (counted from beat 0) until beat `beat` of a rhythm `period` apart,
// rounded up to whole milliseconds; 0 once that beat has come.
std::chrono::milliseconds TimeToBeat(std::chrono::nanoseconds elapsed, std::int64_t beat,
                                     std::chrono::milliseconds period);

class GameLoopPacer : public QObject {
 public:
  // `timer` is the game timer, whose timeout runs `step`. `quietSteps` says how many of the
  // coming steps would show nothing (kForever: all of them), counted from the last step
  // made; `rests` says whether steps would change nothing at all, so owed ones can be dropped.
  static constexpr int kForever = 1 << 30;
  GameLoopPacer(QTimer& timer, std::function<void()> step, std::function<int()> quietSteps,
                std::function<bool()> rests);
  ~GameLoopPacer() override;

  void Start();  // starts the timer; beats are counted from now
  void Stop();   // stops it, and forgets the steps it owes, until the next Start
  bool Running() const { return timer_.isActive() || dozing_; }
  bool Dozing() const { return dozing_; }
  bool CatchingUp() const { return catchingUp_; }
  // After a step made by the running timer: stops it if the coming steps are quiet.
  void AfterStep();
  // Makes the quiet steps whose beats have passed.
  void CatchUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::int64_t BeatNow() const;
  std::int64_t QuietUntil() const;  // the last beat whose step is sure to show nothing
  void Plan();  // when to wake for the next step that may show something
  void Wake();

  QTimer& timer_;
  QTimer waking_;  // one shot to the beat of the next step that may show something
  std::function<void()> step_;
  std::function<int()> quietSteps_;
  std::function<bool()> rests_;
  std::chrono::steady_clock::time_point beatZero_;
  bool dozing_ = false;
  bool catchingUp_ = false;
  std::int64_t lastBeat_ = 0;  // the beat of the last step made; the board is as it left it
  std::int64_t wakeBeat_ = 0;  // the beat `waking_` is set for
};

}  // namespace forms
