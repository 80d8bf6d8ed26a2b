// The main window: its layout, menu, mouse presses on the board and the exit question.
#include <QMenuBar>
#include <QTest>

#include "engine/play_plane.h"
#include "forms/board_view.h"
#include "forms/status_bar_widget.h"
#include "forms/turn_indicator_window.h"
#include "window_fixture.h"

using forms::Form1;

namespace {
class MainWindowTest : public WindowsTest {};

// Ticks until the starting bubbles have grown and the board rests.
void GrowIn(MainWindowTest&) {
  for (int i = 0; i < 20; ++i) Form1->Timer1Timer();
}
}  // namespace

TEST_F(MainWindowTest, ClientAreaIsFixedAndTheBoardIsCentredAboveTheStatusBars) {
  Form1->show();
  EXPECT_EQ(Form1->centralWidget()->size(), QSize(632, 434));
  EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize());
  EXPECT_FALSE(Form1->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Form1->windowTitle(), "Kalmex Bubbles");
  // 7 × 7: 218 pixels square, left (632 - 218) / 2, top (434 - 218 - 38) / 2.
  EXPECT_EQ(Form1->Panel1->geometry(), QRect(207, 89, 218, 218));
  EXPECT_EQ(Form1->Image2->geometry(), QRect(0, 0, 218, 218));
  EXPECT_EQ(Form1->StatusBar2->geometry(), QRect(0, 396, 632, 19));
  EXPECT_EQ(Form1->StatusBar1->geometry(), QRect(0, 415, 632, 19));
  EXPECT_EQ(Form1->StatusBar1Model().PanelText(4), "7x7");
}

TEST_F(MainWindowTest, MenuHasItsCaptionsAndShortcuts) {
  struct Item {
    QAction* action;
    const char* caption;
    QKeySequence shortcut;
  };
  const Item items[] = {
      {Form1->Newgame1, "New game", QKeySequence(Qt::Key_F2)},
      {Form1->Savegame1, "Save game", {}},
      {Form1->Loadgame1, "Load game", {}},
      {Form1->Highscore1, "High score", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {Form1->Exit1, "Exit", QKeySequence(Qt::ALT | Qt::Key_X)},
      {Form1->Largeplayerturn1, "Large player turn", {}},
      {Form1->Gamerules1, "Game rules", {}},
      {Form1->About1, "About", {}},
  };
  for (const Item& item : items) {
    EXPECT_EQ(item.action->text(), item.caption);
    EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
  }
  EXPECT_EQ(Form1->File1->title(), "File");
  EXPECT_EQ(Form1->Configuration1->title(), "Configuration");
  EXPECT_EQ(Form1->Help1->title(), "Help");
  EXPECT_FALSE(Form1->Largeplayerturn1->isChecked());
}

TEST_F(MainWindowTest, APressWithAnyButtonReachesTheBoardAsACell) {
  Form1->ComputerPlays = false;
  GrowIn(*this);
  auto& board = *Form1->Game().Plane;
  // Pixel 31 still belongs to column 0; 32 is column 1.
  QTest::mousePress(Form1->Image2, Qt::RightButton, {}, QPoint(31, 31));
  EXPECT_TRUE(board.FSelected);
  EXPECT_EQ(board.FSelX, 0);
  EXPECT_EQ(board.FSelY, 0);
  QTest::mousePress(Form1->Image2, Qt::MiddleButton, {}, QPoint(62, 40));  // cell (1, 1): a clone
  EXPECT_FALSE(board.FSelected);
  ASSERT_NE(board.BubbleAt(1, 1), nullptr);
  EXPECT_EQ(board.FPlayer, engine::kGreen);
}

TEST_F(MainWindowTest, PressesDuringAnimationsAreIgnored) {
  Form1->ComputerPlays = false;
  Form1->Timer1Timer();  // the starting bubbles are still growing
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(Form1->Game().Plane->FSelected);
}

TEST_F(MainWindowTest, APressRightAfterAMoveWaitsForTheBoardToRestAgain) {
  // A press between a move and the next tick used to pass: Green could select the bubble that
  // Blue's new bubble was about to capture, and then move Blue's bubble from it.
  Form1->ComputerPlays = false;
  Form1->Game().Plane->Restart(3, 3);  // Blue (0, 0) and (2, 2), Green (2, 0) and (0, 2)
  GrowIn(*this);
  auto& board = *Form1->Game().Plane;
  const auto press = [](int x, int y) { QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(31 * x + 10, 31 * y + 10)); };
  press(0, 0);
  press(1, 0);  // a clone next to Green's (2, 0)
  ASSERT_EQ(board.FPlayer, engine::kGreen);
  press(2, 0);
  EXPECT_FALSE(board.FSelected);

  for (int i = 0; i < 60; ++i) Form1->Timer1Timer();  // grown, (2, 0) captured, at rest
  ASSERT_EQ(board.BubbleAt(2, 0)->FOwner, engine::kBlue);
  press(0, 2);
  EXPECT_TRUE(board.FSelected);
}

TEST_F(MainWindowTest, PressesOutsideThePictureAreIgnored) {
  // A held button keeps the mouse on the board, so a press can arrive from outside it; one
  // past the right edge used to become a move to a column beyond the board.
  Form1->ComputerPlays = false;
  GrowIn(*this);
  auto& board = *Form1->Game().Plane;
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(200, 200));  // (6, 6)
  ASSERT_TRUE(board.FSelected);
  const int w = Form1->Image2->width(), h = Form1->Image2->height();
  // Just right of the picture on row 4 is "cell (7, 4)", a jump away from (6, 6), whose slot
  // number is that of the empty cell (0, 5).
  for (const QPoint at : {QPoint(w, 31 * 4 + 10), QPoint(w + 20, 200), QPoint(200, h), QPoint(-40, 200), QPoint(200, -40)}) {
    QTest::mousePress(Form1->Image2, Qt::RightButton, {}, at);
    EXPECT_TRUE(board.FSelected) << at.x() << ", " << at.y();
    EXPECT_EQ(board.FPlayer, engine::kBlue) << at.x() << ", " << at.y();
  }
  EXPECT_EQ(board.BubbleAt(0, 5), nullptr);
  // The last pixels of the picture still belong to the last cells.
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(w - 1, h - 1));
  EXPECT_FALSE(board.FSelected);  // (6, 6) again: deselected
}

TEST_F(MainWindowTest, CancellingTheExitQuestionKeepsEverything) {
  Form1->show();
  auto* board = Form1->Game().Plane.get();
  exitAnswer = false;
  EXPECT_FALSE(Form1->close());
  ASSERT_EQ(exitQuestions.size(), 1);
  EXPECT_EQ(exitQuestions[0], "Warning !!|Do you want really leave the game ?");
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_EQ(Form1->Game().Plane.get(), board);
  EXPECT_TRUE(Form1->GameLoopRunning());
}

TEST_F(MainWindowTest, ConfirmingTheExitFreesTheBoardAndStopsTheTimers) {
  Form1->show();
  exitAnswer = true;
  Form1->Exit1->trigger();
  EXPECT_EQ(exitQuestions.size(), 1);
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Form1->Game().Plane, nullptr);
  EXPECT_FALSE(Form1->GameLoopRunning());
  EXPECT_FALSE(Form1->Timer2.isActive());
  Form1->Timer1Timer();  // a late tick finds no board and does nothing
}

TEST_F(MainWindowTest, TheGameLoopRunsFromCreation) {
  EXPECT_TRUE(Form1->GameLoopRunning());
  EXPECT_EQ(Form1->Timer1.interval(), 20);
  EXPECT_EQ(Form1->Timer1.timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(Form1->Timer2.isActive());
  EXPECT_EQ(Form1->Timer2.interval(), 100);
  EXPECT_FALSE(Form1->Timer3.isActive());
  EXPECT_TRUE(Form1->ComputerPlays);
}

TEST_F(MainWindowTest, LargePlayerTurnShowsAndHidesTheIndicatorWithoutDisablingAnything) {
  QWidget* indicator = forms::Form4;
  Form1->Largeplayerturn1Click();
  EXPECT_TRUE(Form1->Largeplayerturn1->isChecked());
  EXPECT_TRUE(indicator->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
  Form1->Largeplayerturn1Click();
  EXPECT_FALSE(Form1->Largeplayerturn1->isChecked());
  EXPECT_FALSE(indicator->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
}

TEST_F(MainWindowTest, TheIndicatorShownLateShowsThePlayerToMove) {
  Form1->ComputerPlays = false;
  GrowIn(*this);
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(40, 40));
  GrowIn(*this);  // Blue's turn ends: Green is to move
  auto& picture = Form1->IndicatorPicture();
  picture.Fill(picture.Bounds(), platform::clBlack);  // whatever it showed before
  Form1->Largeplayerturn1Click();
  const platform::Bitmap& green = Form1->Lists().ImageList4.Frame(engine::kGreen);
  for (int y = 0; y < 64; y += 7)
    for (int x = 0; x < 64; x += 7) ASSERT_EQ(picture.Pixel(x, y), green.Pixel(x, y)) << x << "," << y;
  EXPECT_EQ(Form1->StatusBar2Model().Color(), platform::clGreenToMove);
}
