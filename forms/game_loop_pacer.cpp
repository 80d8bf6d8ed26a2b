#include "forms/game_loop_pacer.h"

#include <QAbstractEventDispatcher>

namespace forms {

std::chrono::milliseconds TimeToNextBeat(std::chrono::nanoseconds elapsed, std::chrono::milliseconds period) {
  const std::chrono::nanoseconds step = period;
  const std::chrono::nanoseconds sinceBeat = elapsed % step;
  if (sinceBeat.count() == 0) return std::chrono::milliseconds(0);
  return std::chrono::ceil<std::chrono::milliseconds>(step - sinceBeat);
}

GameLoopPacer::GameLoopPacer(QTimer& timer, std::function<void()> step, std::function<bool()> hasWork)
    : timer_(timer), step_(std::move(step)), hasWork_(std::move(hasWork)) {
  waking_.setSingleShot(true);
  waking_.setTimerType(Qt::PreciseTimer);
  connect(&waking_, &QTimer::timeout, this, &GameLoopPacer::Wake);
  // Asked once each time the event loop (or a nested one) has handled what was pending.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &GameLoopPacer::WakeIfNeeded);
}

void GameLoopPacer::Start() {
  asleep_ = false;
  waking_.stop();
  firstBeat_ = std::chrono::steady_clock::now();
  timer_.start();
}

void GameLoopPacer::Stop() {
  asleep_ = false;
  waking_.stop();
  timer_.stop();
}

void GameLoopPacer::SleepIfResting() {
  if (!timer_.isActive() || hasWork_()) return;
  timer_.stop();
  asleep_ = true;
}

void GameLoopPacer::WakeIfNeeded() {
  if (!asleep_ || !hasWork_()) return;
  asleep_ = false;
  const auto period = std::chrono::milliseconds(timer_.interval());
  waking_.start(TimeToNextBeat(std::chrono::steady_clock::now() - firstBeat_, period));
}

// The step due on this beat runs now, and the timer goes on from here.
void GameLoopPacer::Wake() {
  timer_.start();
  step_();
}

}  // namespace forms
