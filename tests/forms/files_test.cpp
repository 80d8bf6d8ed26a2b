// The score file at start-up and the saved-game commands, through the real main window.
#include <QFile>

#include "engine/play_plane.h"
#include "engine/saved_game.h"
#include "window_fixture.h"

using forms::Form1;

namespace {
class FilesTest : public WindowsTest {
 protected:
  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  QByteArray Read(const char* name) const {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  // Starts the program again with the files now in its folder.
  void Restart() {
    forms::DestroyWindows();
    forms::CreateWindows();
    Form1->AskExit = [](const QString&, const QString&) { return false; };
  }
  void GrowIn() {
    for (int i = 0; i < 20; ++i) Form1->Timer1Timer();
  }
};
}  // namespace

TEST_F(FilesTest, AFreshStartCreatesTheDefaultScoreFile) {
  const QByteArray bytes = Read("Score.dat");
  ASSERT_EQ(bytes.size(), 286);
  for (int k = 0; k < 11; ++k) {
    EXPECT_EQ(bytes.mid(26 * k, 6), QByteArray::fromHex("05456d707479")) << k;
    EXPECT_EQ(bytes.mid(26 * k + 22, 4), QByteArray::fromHex("242310e0")) << k;
  }
}

TEST_F(FilesTest, ADamagedScoreFileIsReportedKeptAsideAndTheGameStillRuns) {
  const QByteArray damaged(285, 'x');
  Write("Score.dat", damaged);
  reported.clear();
  Restart();
  ASSERT_EQ(reported.size(), 1);
  EXPECT_EQ(reported[0], "Read beyond end of file");
  ASSERT_NE(Form1->Game().Plane, nullptr);  // the board is built and the game loop runs
  EXPECT_TRUE(Form1->GameLoopRunning());
  EXPECT_EQ(Read("Score.dat"), damaged);  // untouched until something is saved
  Form1->SaveScores();
  EXPECT_EQ(Read("Score.dat").size(), 286);
  EXPECT_EQ(Read("Score.dat.damaged"), damaged);  // the unreadable file was kept aside
}

TEST_F(FilesTest, ASavedGameLoadsBackWithItsPlayerAndRound) {
  Form1->ComputerPlays = false;
  GrowIn();
  Form1->Game().Plane->Click(0, 0);
  Form1->Game().Plane->Click(1, 1);
  GrowIn();  // Green to move
  const std::string path = Path("game.kbsf").toStdString();
  Form1->AskSaveFileName = [&] { return path; };
  Form1->Savegame1->trigger();
  EXPECT_EQ(Read("game.kbsf").size(), 236);
  EXPECT_EQ(Read("game.kbsf").mid(32, 4), QByteArray::fromHex("00000a00"));

  Form1->Game().Plane->Restart(9, 9);
  Form1->AskOpenFileName = [&] { return path; };
  Form1->Loadgame1->trigger();
  GrowIn();
  auto& board = *Form1->Game().Plane;
  EXPECT_EQ(board.FSizeX, 7);
  EXPECT_EQ(board.FPlayer, engine::kGreen);
  ASSERT_NE(board.BubbleAt(1, 1), nullptr);
  EXPECT_EQ(board.BubbleAt(1, 1)->FOwner, engine::kBlue);
  EXPECT_EQ(Form1->StatusBar2Model().Color(), platform::clGreenToMove);
  EXPECT_FALSE(Form1->ComputerPlays);  // not stored in the file
  EXPECT_TRUE(reported.isEmpty());
}

TEST_F(FilesTest, BadFilesLeaveTheGameUntouched) {
  struct Case {
    const char* name;
    QByteArray bytes;    // empty: the file does not exist
    const char* report;  // nullptr: refused as "Incorrect file"
  };
  const QByteArray header("Kalmex Bubbles Save File");
  const Case cases[] = {
      {"missing.kbsf", {}, "File not found"},
      {"short.kbsf", header.left(10), "Read beyond end of file"},
      {"wrong.kbsf", QByteArray("Kalmex Bubbles Save file") + QByteArray(16 + 196, '\0'), nullptr},
  };
  engine::TPlayPlane* board = Form1->Game().Plane.get();
  int refusals = 0;
  Form1->ShowIncorrectFile = [&] { ++refusals; };
  for (const Case& c : cases) {
    reported.clear();
    refusals = 0;
    if (!c.bytes.isEmpty()) Write(c.name, c.bytes);
    Form1->AskOpenFileName = [&] { return Path(c.name).toStdString(); };
    Form1->Loadgame1->trigger();
    EXPECT_EQ(Form1->Game().Plane.get(), board) << c.name;
    EXPECT_EQ(board->FSizeX, 7) << c.name;
    if (c.report) {
      ASSERT_EQ(reported.size(), 1) << c.name;
      EXPECT_EQ(reported[0], c.report) << c.name;
      EXPECT_EQ(refusals, 0) << c.name;
    } else {
      EXPECT_TRUE(reported.isEmpty()) << c.name;
      EXPECT_EQ(refusals, 1) << c.name;
    }
  }
}

TEST_F(FilesTest, ACancelledSaveDialogWritesNothing) {
  Form1->AskSaveFileName = [] { return std::string(); };
  const QStringList before = QDir(folder.path()).entryList(QDir::Files);
  Form1->Savegame1->trigger();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before);
}
