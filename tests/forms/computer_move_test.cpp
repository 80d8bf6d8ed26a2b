// The computer's move through the real main window: a selection shown for a second while the
// board stands still, then the move; and the window closed in the middle of that second.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "engine/play_plane.h"
#include "forms/board_view.h"
#include "window_fixture.h"

using forms::Form1;

namespace {
class ComputerMoveTest : public WindowsTest {
 protected:
  // Blue clones from (0, 0) to (1, 1) with the mouse once the starting bubbles have grown.
  void BlueMoves() {
    for (int i = 0; i < 20; ++i) Form1->Timer1Timer();
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(Form1->Game().Plane->FPlayer, engine::kGreen);
  }
  // Runs the game loop until the computer has moved (its pause runs inside one of the ticks).
  void RunUntilBlueToMove() {
    for (int i = 0; i < 40 && Form1->Game().Plane && Form1->Game().Plane->FPlayer == engine::kGreen; ++i)
      Form1->Timer1Timer();
  }
};
}  // namespace

TEST_F(ComputerMoveTest, TheSelectionStaysForASecondWhileTheBoardStandsStill) {
  BlueMoves();
  bool checked = false;
  QTimer::singleShot(300, [&] {
    checked = true;
    auto& board = *Form1->Game().Plane;
    EXPECT_TRUE(Form1->ComputerBusy);
    EXPECT_TRUE(Form1->Timer3.isActive());
    ASSERT_TRUE(board.FSelected);
    EXPECT_EQ(board.BubbleAt(board.FSelX, board.FSelY)->FOwner, engine::kGreen);
    // The selected cell is framed in red on the picture.
    EXPECT_EQ(Form1->Game().display.image->Pixel(31 * board.FSelX, 31 * board.FSelY), platform::clRed);
    // Presses are ignored and the game loop does not step.
    const auto before = board.FCells.size();
    const bool idleBefore = Form1->Game().AllIdle;
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    Form1->Timer1Timer();
    EXPECT_TRUE(board.FSelected);
    EXPECT_EQ(board.FCells.size(), before);
    EXPECT_EQ(Form1->Game().AllIdle, idleBefore);
  });
  QElapsedTimer clock;
  clock.start();
  RunUntilBlueToMove();
  EXPECT_TRUE(checked);
  EXPECT_GE(clock.elapsed(), 900);
  auto& board = *Form1->Game().Plane;
  EXPECT_EQ(board.FPlayer, engine::kBlue);
  EXPECT_FALSE(board.FSelected);
  EXPECT_FALSE(Form1->ComputerBusy);
  EXPECT_FALSE(Form1->Timer3.isActive());
  EXPECT_TRUE(Form1->Game().TurnFinished);
}

TEST_F(ComputerMoveTest, ClosingTheWindowDuringThePauseAbandonsTheMove) {
  Form1->show();
  BlueMoves();
  exitAnswer = true;
  QTimer::singleShot(200, [] { Form1->close(); });
  QElapsedTimer clock;
  clock.start();
  RunUntilBlueToMove();
  // The pause ended with the close, without waiting for the stopped timer, and no click
  // reached the freed board.
  EXPECT_LT(clock.elapsed(), 900);
  EXPECT_EQ(Form1->Game().Plane, nullptr);
  EXPECT_FALSE(Form1->ComputerBusy);
  EXPECT_FALSE(Form1->Timer3.isActive());
  EXPECT_EQ(exitQuestions.size(), 1);
}

TEST_F(ComputerMoveTest, ANewGameDuringThePauseAbandonsTheComputersMove) {
  BlueMoves();
  engine::TPlayPlane* board = Form1->Game().Plane.get();
  // A new 19 × 12 game, with Blue bubbles (that can move) wherever the computer could have
  // aimed on the old 7 × 7 board.
  QTimer::singleShot(200, [board] {
    board->Restart(19, 12);
    for (int x = 0; x <= 6; ++x)
      for (int y = 0; y <= 6; ++y)
        if (!board->BubbleAt(x, y)) {
          auto bubble = std::make_unique<engine::TBubble>(*board, x, y, engine::kBlue, false);
          bubble->Settle();
          board->PutBubble(std::move(bubble));
        }
  });
  RunUntilBlueToMove();
  EXPECT_EQ(Form1->Game().Plane.get(), board);
  EXPECT_EQ(board->FPlayer, engine::kBlue);
  EXPECT_FALSE(board->FSelected);  // the stale click selected nothing of Blue's
  EXPECT_FALSE(Form1->Game().TurnFinished);
  EXPECT_FALSE(Form1->ComputerBusy);
}
