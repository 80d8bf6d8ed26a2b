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

TEST(GameLoopBeat, TheWaitRunsToTheNextBeatRoundedUpToWholeMilliseconds) {
  struct Case {
    std::chrono::nanoseconds elapsed;
    std::chrono::milliseconds wait;
  };
  const Case cases[] = {{0ns, 0ms},      {1ns, 20ms},        {5ms, 15ms},         {19'500us, 1ms},
                        {20ms, 0ms},     {45'200us, 15ms},   {3'600'000'010ms, 10ms}};
  for (const Case& c : cases) EXPECT_EQ(forms::TimeToNextBeat(c.elapsed, 20ms), c.wait) << c.elapsed.count();
}

class GameLoopTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    Form1->Timer2.stop();  // no random pulses: the board comes to rest and stays there
    Form1->show();
  }
  // Asleep with nothing to step (right after a click the loop is still asleep, but not for long).
  static bool Asleep() { return Form1->GameLoopRunning() && !Form1->Timer1.isActive() && !Form1->GameStepHasWork(); }
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

TEST_F(GameLoopTest, APulseWakesItAndItSleepsAgainWhenThePulseIsOver) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  Board().BubbleAt(0, 0)->StartPulse();
  ASSERT_TRUE(RunUntil([] { return Form1->Timer1.isActive(); }, 1000));
  EXPECT_EQ(Board().BubbleAt(0, 0)->FState, engine::asPulsing);
  ASSERT_TRUE(RunUntil(Asleep, 1000));
  EXPECT_EQ(Board().BubbleAt(0, 0)->FState, engine::asIdle);  // all ten steps of the pulse ran
}

TEST_F(GameLoopTest, AStepHasWorkUnlessTheBoardRestsAndTheComputerWaits) {
  ASSERT_TRUE(RunUntil(Asleep, 3000));
  Form1->ComputerPlays = true;
  struct Case {
    const char* name;
    std::function<void()> change, undo;
    bool work;
  };
  auto& game = Form1->Game();
  const Case cases[] = {
      {"a resting board, Blue to move", [] {}, [] {}, false},
      {"Green to move, played by the computer", [] { Board().FPlayer = engine::kGreen; },
       [] { Board().FPlayer = engine::kBlue; }, true},
      {"Green to move, played by a person",
       [] { Board().FPlayer = engine::kGreen, Form1->ComputerPlays = false; },
       [] { Board().FPlayer = engine::kBlue, Form1->ComputerPlays = true; }, false},
      {"the computer's pause", [] { Form1->ComputerBusy = true; }, [] { Form1->ComputerBusy = false; }, true},
      {"a pulse", [] { Board().BubbleAt(0, 0)->StartPulse(); }, [] { Board().BubbleAt(0, 0)->Settle(); }, true},
      {"an end of turn pending", [&] { game.TurnFinished = true; }, [&] { game.TurnFinished = false; }, true},
      {"something drawn", [&] { game.display.image->MarkDirty({0, 0, 1, 1}); }, [&] { game.display.image->TakeDirty(); },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change();
    EXPECT_EQ(Form1->GameStepHasWork(), c.work);
    c.undo();
  }
  game.Plane.reset();
  EXPECT_FALSE(Form1->GameStepHasWork());
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
