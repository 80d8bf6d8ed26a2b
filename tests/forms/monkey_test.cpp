// A monkey through the real windows, offscreen: thousands of random steps of menu commands,
// dialog answers, key presses, board presses, timer ticks, saves and loads (good files, bad
// files, vanished files, folders, disk failures). After every step: no exception has reached
// Qt's event loop unreported, nothing but the expected file messages was reported, the board
// holds together, and a disabled main window always has a window up that enables it again.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <cerrno>
#include <random>
#include <string>

#include "engine/play_plane.h"
#include "engine/saved_game.h"
#include "forms/about_box.h"
#include "forms/board_view.h"
#include "forms/game_over_window.h"
#include "forms/high_score_window.h"
#include "forms/language_chooser.h"
#include "forms/new_game_dialog.h"
#include "forms/rules_window.h"
#include "forms/spin_edit.h"
#include "platform/io_faults.h"
#include "tests/engine/invariants.h"
#include "tests/engine/random_clicks.h"
#include "window_fixture.h"

using forms::Form1;

namespace {

// What a failed save or load may tell the user.
const QSet<QString> kFileMessages = {"File not found",  "Path not found",   "File access denied",
                                     "Read beyond end of file", "Disk full", "Disk write error",
                                     "Disk read error", "Not same device"};

class MonkeyTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    // The computer's pause is shortened to keep thousands of steps quick; its nested event
    // loop still runs.
    Form1->Timer3.setInterval(1);
    Form1->Timer1.stop();  // the monkey ticks by hand
    Form1->Timer2.stop();
    Form1->ShowIncorrectFile = [this] { ++refusals; };
    forms::Form3->ShowMessage = [this](const QString& text) { notes.append(text); };
    Form1->AskSaveFileName = [this] { return saveName; };
    Form1->AskOpenFileName = [this] {
      if (deleteBeforeOpen) QFile::remove(QString::fromStdString(openName));  // gone since the dialog
      return openName;
    };
    QDir(folder.path()).mkdir("folder.kbsf");
    Write("garbage.kbsf", QByteArray(300, '\x5A'));
    Write("short.kbsf", QByteArray("Kalmex Bubbles Save File\x2c\x01", 26));
    Write("wrong.kbsf", QByteArray("Kalmex Bubbles Save File") + QByteArray(200, '\0'));
    // A 3 × 3 game one clone from its end, so that games end often.
    const std::int32_t B = engine::kBlueCode, G = engine::kGreenCode, E = engine::kEmptyCode;
    engine::WriteSavedGame(File("nearly_over.kbsf"), {3, 3, engine::kBlue, 4, {B, B, G, B, E, G, B, B, G}});
  }
  void TearDown() override {
    platform::io_faults::Clear();
    WindowsTest::TearDown();
  }

  std::string File(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile f(QString::fromStdString(File(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QByteArray Read(const std::string& path) const {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  int Pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); }
  bool OneIn(int n) { return Pick(n) == 0; }

  // A disk failure at a random call of a random operation, now and then.
  void MaybeFail() {
    if (!OneIn(4)) return;
    using platform::io_faults::Op;
    const Op ops[] = {Op::Open, Op::Read, Op::Write, Op::Rename, Op::Close};
    const int errs[] = {ENOSPC, EIO, EACCES, EXDEV};
    platform::io_faults::FailAt(ops[Pick(5)], 1 + Pick(3), errs[Pick(4)]);
  }

  void PressBoard() {
    const auto& board = *Form1->Game().Plane;
    QPoint at;
    if (OneIn(3)) {
      at = QPoint(Pick(Form1->Image2->width() + 1), Pick(Form1->Image2->height() + 1));
    } else {
      const engine::Cell cell = testing_display::RandomClick(board, rng);
      at = QPoint(31 * cell.X + 1 + Pick(30), 31 * cell.Y + 1 + Pick(30));
    }
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    QTest::mousePress(Form1->Image2, buttons[Pick(4)], {}, at);
  }

  void Ticks() {
    const int n = 1 + Pick(OneIn(4) ? 60 : 8);
    for (int i = 0; i < n; ++i) {
      Form1->Timer1Timer();
      if (i % 5 == 4) Form1->Timer2Timer();
    }
  }

  void PressKey() {
    const Qt::Key keys[] = {Qt::Key_F2, Qt::Key_H, Qt::Key_X, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space,
                            Qt::Key_Tab, Qt::Key_A, Qt::Key_Up, Qt::Key_Down};
    const Qt::KeyboardModifier mods[] = {Qt::NoModifier, Qt::ControlModifier, Qt::AltModifier};
    QWidget* targets[] = {Form1, forms::OKBottomDlg, forms::Form2, forms::Form3, forms::Form5, forms::AboutBox};
    QWidget* target = targets[Pick(6)];
    if (!target->isVisible()) target = Form1;
    QTest::keyClick(target, keys[Pick(10)], mods[Pick(3)]);
  }

  // A menu command, as far as the user can reach the menu: only while the window is enabled.
  void MenuCommand() {
    if (!Form1->isEnabled()) return;
    QAction* actions[] = {Form1->Newgame1, Form1->Savegame1,  Form1->Loadgame1, Form1->Highscore1,
                          Form1->Exit1,    Form1->Largeplayerturn1, Form1->Gamerules1, Form1->About1};
    QAction* action = actions[Pick(8)];
    if (action == Form1->Savegame1) {
      const std::string names[] = {File("game.kbsf"), File("game.kbsf"), File("folder.kbsf"),
                                   File("no such folder/game.kbsf"), std::string()};
      saveName = names[Pick(5)];
      return Save();
    }
    if (action == Form1->Loadgame1) {
      const std::string names[] = {File("game.kbsf"),   File("nearly_over.kbsf"), File("nearly_over.kbsf"),
                                   File("garbage.kbsf"), File("short.kbsf"),       File("wrong.kbsf"),
                                   File("folder.kbsf"),  File("missing.kbsf"),     File("vanishing.kbsf"),
                                   std::string()};
      openName = names[Pick(10)];
      deleteBeforeOpen = openName == File("vanishing.kbsf");
      if (deleteBeforeOpen) Write("vanishing.kbsf", Read(File("game.kbsf")));
      fileStep = true;
      MaybeFail();
    }
    if (action == Form1->Gamerules1) fileStep = true;  // the rules file is read
    action->trigger();
  }

  // A save, checked: a failed one leaves the last saved file as it was, byte for byte.
  void Save() {
    fileStep = true;
    MaybeFail();
    const int before = int(reported.size());
    const QByteArray previous = Read(File("game.kbsf"));
    Form1->Savegame1->trigger();
    if (saveName == File("game.kbsf") && reported.size() > before) {
      EXPECT_EQ(Read(File("game.kbsf")), previous) << "a failed save changed the saved game";
    }
    if (saveName == File("game.kbsf") && reported.size() == before) ++savesWritten;
  }

  // An answer to whichever secondary window is up, if any.
  void AnswerWindow() {
    if (forms::Form3->isVisible()) {
      if (OneIn(3)) forms::Form3->Edit1->clear();
      else if (OneIn(2)) forms::Form3->Edit1->setText(QString::fromUtf8(OneIn(2) ? "Kůň" : "Eva"));
      fileStep = true;  // the score file is written
      MaybeFail();
      if (OneIn(6)) forms::Form3->close();
      else QTest::mouseClick(forms::Form3->Button1, Qt::LeftButton);
      return;
    }
    if (forms::OKBottomDlg->isVisible()) {
      auto* d = forms::OKBottomDlg;
      const bool small = OneIn(2);  // small boards end sooner
      d->SpinEdit1->setValue(small ? 5 : 5 + Pick(15));
      d->SpinEdit2->setValue(small ? 5 : 5 + Pick(8));
      (OneIn(10) ? d->RadioButton2 : d->RadioButton1)->setChecked(true);  // the computer now and then
      QPushButton* buttons[] = {d->OKBtn, d->OKBtn, d->CancelBtn};
      if (OneIn(6)) d->close();
      else QTest::mouseClick(buttons[Pick(3)], Qt::LeftButton);
      return;
    }
    if (forms::Form2->isVisible()) {
      if (OneIn(4)) forms::Form2->close();
      else QTest::mouseClick(forms::Form2->Button1, Qt::LeftButton);
      return;
    }
    if (forms::Form5->isVisible()) {
      if (OneIn(4)) forms::Form5->close();
      else QTest::mouseClick(forms::Form5->Button1, Qt::LeftButton);
      return;
    }
    if (forms::AboutBox->isVisible()) {
      if (OneIn(3)) forms::AboutBox->close();
      else QTest::mouseClick(forms::AboutBox->OKButton, Qt::LeftButton);
    }
  }

  void Step() {
    fileStep = false;
    switch (Pick(12)) {
      case 0:
      case 1: MenuCommand(); break;
      case 2:
      case 3: AnswerWindow(); break;
      case 4: PressKey(); break;
      case 5:
      case 6:
      case 7: PressBoard(); break;
      default: Ticks(); break;
    }
    platform::io_faults::Clear();
    QCoreApplication::processEvents();
  }

  // Whatever held after every step.
  void CheckStep(int step) {
    SCOPED_TRACE("step " + std::to_string(step));
    for (qsizetype k = checkedReports; k < reported.size(); ++k) {
      EXPECT_TRUE(fileStep) << "reported outside a file step: " << reported[k].toStdString();
      EXPECT_TRUE(kFileMessages.contains(reported[k])) << "unexpected report: " << reported[k].toStdString();
    }
    checkedReports = reported.size();
    for (const QString& note : notes) EXPECT_EQ(note, "Enter your name !!!");
    notes.clear();
    const bool secondaryUp = forms::OKBottomDlg->isVisible() || forms::Form2->isVisible() ||
                             forms::Form3->isVisible() || forms::Form5->isVisible() || forms::AboutBox->isVisible();
    ASSERT_TRUE(Form1->isEnabled() || secondaryUp) << "the main window is disabled with nothing to enable it";
    ASSERT_NE(Form1->Game().Plane, nullptr);
    const auto& board = *Form1->Game().Plane;
    ASSERT_TRUE(testing_display::BubblesConsistent(board));
    ASSERT_TRUE(testing_display::SelectionConsistent(board));
    ASSERT_FALSE(Form1->ComputerBusy);
    ASSERT_FALSE(Form1->Timer1.isActive()) << "the game timer stopped by hand was woken";
  }

  void Run(std::uint32_t seed, int steps) {
    rng.seed(seed);
    Form1->show();
    for (int step = 0; step < steps; ++step) {
      const engine::Player mover = Form1->Game().Plane->FPlayer;
      const bool over = forms::Form3->isVisible();
      Step();
      ASSERT_NO_FATAL_FAILURE(CheckStep(step));
      if (Form1->Game().Plane->FPlayer != mover) ++moves;
      if (!over && forms::Form3->isVisible()) ++gameOvers;
    }
  }
  int moves = 0;      // steps after which the other player was to move
  int gameOvers = 0;  // steps that brought up the game-over window

  std::mt19937 rng;
  std::string saveName, openName;
  bool deleteBeforeOpen = false;
  bool fileStep = false;
  qsizetype checkedReports = 0;
  int refusals = 0;
  int savesWritten = 0;
  QStringList notes;
};

TEST_F(MonkeyTest, ThousandsOfRandomStepsLeaveTheProgramWhole) {
  ASSERT_NO_FATAL_FAILURE(Run(1, 12000));
  // The steps reached what they were meant to reach.
  EXPECT_GT(moves, 0);
  EXPECT_GT(gameOvers, 0);
  EXPECT_GT(savesWritten, 0);
  EXPECT_GT(refusals, 0);
  EXPECT_FALSE(reported.isEmpty());
  EXPECT_FALSE(exitQuestions.isEmpty());
}

}  // namespace
