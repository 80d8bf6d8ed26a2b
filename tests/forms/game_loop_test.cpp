// The game loop's sleep over a resting board: when it sleeps, what wakes it, and that the
// steps it then makes show everything a click or a pulse drew.
#include <QEventLoop>
#include <QImage>
#include <functional>
#include <QTest>
#include <QTimer>

#include "engine/animation.h"
#include "engine/play_plane.h"
#include "forms/board_view.h"
#include "window_fixture.h"

using forms::Form1;
using namespace std::chrono_literals;

namespace {

TEST(GameLoopBeat, TheWaitRunsToTheBeatRoundedUpToWholeMilliseconds) {
  struct Case {
    std::chrono::nanoseconds elapsed;
    std::int64_t beat;
    std::chrono::milliseconds wait;
  };
  const Case cases[] = {{0ns, 0, 0ms},          {0ns, 1, 20ms},       {1ns, 1, 20ms},
                        {5ms, 1, 15ms},         {19'500us, 1, 1ms},   {20ms, 1, 0ms},
                        {45'200us, 3, 15ms},    {45'200us, 5, 55ms},  {90ms, 2, 0ms},
                        {3'600'010ms, 180'001, 10ms}};
  for (const Case& c : cases)
    EXPECT_EQ(forms::TimeToBeat(c.elapsed, c.beat, 20ms), c.wait) << c.elapsed.count() << " to " << c.beat;
}

class GameLoopTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    Form1->Timer2.stop();  // no random pulses: the board comes to rest and stays there
    Form1->show();
  }
  // The timer asleep over a board where nothing moves (right after a click it still dozes,
  // but not for long).
  static bool Asleep() {
    return Form1->GameLoopDozing() && !Form1->Timer1.isActive() && engine::BoardRests(Form1->Game()) &&
           Form1->QuietSteps() == forms::GameLoopPacer::kForever;
  }
  static QImage CellOnScreen(int x, int y) {
    return Form1->Image2->grab().toImage().copy(31 * x + 1, 31 * y + 1, 30, 30);
  }
  static engine::TPlayPlane& Board() { return *Form1->Game().Plane; }
  static QRgb OnScreen(int x, int y) { return Form1->Image2->grab().toImage().pixel(x, y); }
  // Runs the event loop as the program does (waiting for events, which is when the sleeping
  // loop is woken), until `done` holds or `ms` have passed; returns `done`.
  static bool RunUntil(const std::function<bool()>& done, int ms) {
    QEventLoop loop;
    QTimer check, limit;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(5);
    limit.start(ms);
    if (!done()) loop.exec();
    return done();
  }
};

TEST_F(GameLoopTest, SleepsOnceTheBoardRestsAndAClickWakesItToShowTheSelection) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  EXPECT_TRUE(engine::BoardRests(Form1->Game()));
  EXPECT_EQ(OnScreen(0, 0), QColor(Qt::black).rgb());  // the grid at (0, 0)
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));  // Blue's corner bubble
  ASSERT_TRUE(Board().FSelected);
  // One step shows the selection's red frame, and the loop sleeps again.
  ASSERT_TRUE(RunUntil([] { return Asleep() && OnScreen(0, 0) == QColor(Qt::red).rgb(); }, 1000));
  EXPECT_TRUE(Form1->Game().display.image->Dirty().Empty());
  // The move wakes it too, and it sleeps again only after the turn has passed.
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(40, 40));
  Form1->ComputerPlays = false;
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  EXPECT_EQ(Board().FPlayer, engine::kGreen);
  EXPECT_EQ(Board().BubbleAt(1, 1)->FState, engine::asIdle);
  EXPECT_EQ(Form1->StatusBar1Model().PanelText(0), "3     ( 60% )");
}

TEST_F(GameLoopTest, APulseIsShownWhileTheTimerSleepsThroughItsQuietSteps) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  const QImage full = CellOnScreen(0, 0);
  Board().BubbleAt(0, 0)->StartPulse();
  ASSERT_TRUE(RunUntil([&] { return CellOnScreen(0, 0) != full; }, 1000));  // the smaller picture
  EXPECT_EQ(Board().BubbleAt(0, 0)->FState, engine::asPulsing);
  ASSERT_TRUE(RunUntil([&] { return Asleep() && CellOnScreen(0, 0) == full; }, 1000));
  EXPECT_EQ(Board().BubbleAt(0, 0)->FState, engine::asIdle);  // all ten steps of the pulse ran
}

TEST_F(GameLoopTest, AnEventFindsTheQuietStepsMadeButNotTheNextOneThatShowsSomething) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  // A pulse just started draws nothing on its first step and the full bubble on its second,
  // so the loop plans one quiet step and a wake-up for the one after.
  bool started = false;
  QTimer::singleShot(0, [&] {
    Board().BubbleAt(0, 0)->StartPulse();
    started = true;
  });
  ASSERT_TRUE(RunUntil([&] { return started; }, 1000));
  ASSERT_TRUE(Form1->GameLoopDozing());
  QTest::qSleep(70);  // beats pass while no event is handled
  QEvent nudge(QEvent::User);
  QCoreApplication::sendEvent(Form1, &nudge);
  EXPECT_EQ(Board().BubbleAt(0, 0)->FFrame, 1);  // the quiet step was made before the event
  ASSERT_TRUE(RunUntil([] { return Board().BubbleAt(0, 0)->FFrame >= 2; }, 1000));  // on its wake-up
}

TEST_F(GameLoopTest, NoStepIsQuietWhileTheComputerIsToMoveOrSomethingWaitsToBeShown) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  Form1->ComputerPlays = true;
  struct Case {
    const char* name;
    std::function<void()> change, undo;
    int quiet;
  };
  const int allQuiet = forms::GameLoopPacer::kForever;
  auto& game = Form1->Game();
  const Case cases[] = {
      {"a resting board, Blue to move", [] {}, [] {}, allQuiet},
      {"Green to move, played by the computer", [] { Board().FPlayer = engine::kGreen; },
       [] { Board().FPlayer = engine::kBlue; }, 0},
      {"Green to move, played by a person",
       [] { Board().FPlayer = engine::kGreen, Form1->ComputerPlays = false; },
       [] { Board().FPlayer = engine::kBlue, Form1->ComputerPlays = true; }, allQuiet},
      {"the computer's pause", [] { Form1->ComputerBusy = true; }, [] { Form1->ComputerBusy = false; }, 0},
      {"a pulse just started", [] { Board().BubbleAt(0, 0)->StartPulse(); }, [] { Board().BubbleAt(0, 0)->Settle(); }, 1},
      {"an end of turn pending", [&] { game.TurnFinished = true; }, [&] { game.TurnFinished = false; }, 0},
      {"something drawn", [&] { game.display.image->MarkDirty({0, 0, 1, 1}); }, [&] { game.display.image->TakeDirty(); },
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change();
    EXPECT_EQ(Form1->QuietSteps(), c.quiet);
    c.undo();
  }
  game.Plane.reset();
  EXPECT_EQ(Form1->QuietSteps(), allQuiet);
}

TEST_F(GameLoopTest, ClosingTheWindowStopsTheLoopEvenAsleep) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  exitAnswer = true;
  Form1->Exit1->trigger();
  EXPECT_FALSE(Form1->GameLoopRunning());
  RunUntil([] { return false; }, 60);
  EXPECT_FALSE(Form1->Timer1.isActive());
}

}  // namespace
