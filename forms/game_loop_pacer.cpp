#include "forms/game_loop_pacer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <limits>

namespace forms {

namespace {
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max() / 2;
}

std::chrono::milliseconds TimeToBeat(std::chrono::nanoseconds elapsed, std::int64_t beat,
                                     std::chrono::milliseconds period) {
  const std::chrono::nanoseconds left = beat * std::chrono::nanoseconds(period) - elapsed;
  if (left.count() <= 0) return std::chrono::milliseconds(0);
  return std::chrono::ceil<std::chrono::milliseconds>(left);
}

GameLoopPacer::GameLoopPacer(QTimer& timer, std::function<void()> step, std::function<int()> quietSteps,
                             std::function<bool()> rests)
    : timer_(timer), step_(std::move(step)), quietSteps_(std::move(quietSteps)), rests_(std::move(rests)) {
  waking_.setSingleShot(true);
  waking_.setTimerType(Qt::PreciseTimer);
  connect(&waking_, &QTimer::timeout, this, &GameLoopPacer::Wake);
  // Asked once each time the event loop (or a nested one) has handled what was pending: the
  // handlers may have changed what is coming.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
    if (!dozing_) return;
    CatchUp();
    Plan();
  });
  QCoreApplication::instance()->installEventFilter(this);
}

GameLoopPacer::~GameLoopPacer() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void GameLoopPacer::Start() {
  dozing_ = false;
  waking_.stop();
  beatZero_ = std::chrono::steady_clock::now();
  lastBeat_ = 0;
  timer_.start();
}

void GameLoopPacer::Stop() {
  dozing_ = false;
  waking_.stop();
  timer_.stop();
}

std::int64_t GameLoopPacer::BeatNow() const {
  const auto elapsed = std::chrono::steady_clock::now() - beatZero_;
  return elapsed / std::chrono::nanoseconds(std::chrono::milliseconds(timer_.interval()));
}

std::int64_t GameLoopPacer::QuietUntil() const {
  const int quiet = quietSteps_();
  return quiet >= kForever ? kNever : lastBeat_ + quiet;
}

void GameLoopPacer::AfterStep() {
  if (catchingUp_ || !timer_.isActive()) return;  // an owed step, or one made by hand
  lastBeat_ = BeatNow();
  if (quietSteps_() == 0) return;
  timer_.stop();
  dozing_ = true;
  Plan();
}

void GameLoopPacer::Plan() {
  const std::int64_t until = QuietUntil();
  if (until == kNever) {
    waking_.stop();
    return;
  }
  if (waking_.isActive() && wakeBeat_ == until + 1) return;
  wakeBeat_ = until + 1;
  const std::chrono::milliseconds period(timer_.interval());
  waking_.start(TimeToBeat(std::chrono::steady_clock::now() - beatZero_, wakeBeat_, period));
}

void GameLoopPacer::CatchUp() {
  if (!dozing_ || catchingUp_) return;
  const std::int64_t due = std::min(BeatNow(), QuietUntil());
  catchingUp_ = true;
  while (lastBeat_ < due) {
    if (rests_()) {
      lastBeat_ = due;  // the steps left would change nothing at all
      break;
    }
    ++lastBeat_;
    step_();
  }
  catchingUp_ = false;
}

// The beat of a step that may show something: the owed steps first, then this one, and the
// timer goes on from here.
void GameLoopPacer::Wake() {
  CatchUp();
  if (lastBeat_ >= BeatNow()) {  // this beat's step turned out quiet after all, and is made
    Plan();
    return;
  }
  dozing_ = false;
  lastBeat_ = BeatNow();
  timer_.start();
  step_();
}

bool GameLoopPacer::eventFilter(QObject* watched, QEvent* event) {
  // Whatever an event does, it finds the board as it would be had every step run on time.
  if (dozing_ && watched != &waking_) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Paint && type != QEvent::UpdateRequest) CatchUp();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace forms
