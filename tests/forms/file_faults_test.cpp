// Disk failures through the windows: a save, a load and the game-over window's score write
// fail at every point at which a file call can fail. The user is told, the game goes on and
// the file on disk is the one there was, byte for byte. Also a saved game deleted between the
// dialog and the open, and a folder chosen as a file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/play_plane.h"
#include "engine/saved_game.h"
#include "forms/game_over_window.h"
#include "forms/high_score_window.h"
#include "platform/io_faults.h"
#include "tests/engine_files/fault_points.h"
#include "window_fixture.h"

using files_testing::FaultPoint;
using files_testing::FaultPointsOf;
using forms::Form1;
using forms::Form2;
using forms::Form3;

namespace {

class FileFaultsTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    Form1->ComputerPlays = false;
    Form1->AskSaveFileName = [this] { return chosen; };
    Form1->AskOpenFileName = [this] { return chosen; };
    Form1->ShowIncorrectFile = [] { ADD_FAILURE() << "a readable saved game was refused"; };
    Form3->ShowMessage = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
  }
  void TearDown() override {
    platform::io_faults::Clear();
    WindowsTest::TearDown();
  }

  std::string Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }
  QByteArray Read(const std::string& path) const {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
  }
  // The names in the folder, in byte order.
  QStringList Names() const {
    QStringList names = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort(Qt::CaseSensitive);
    return names;
  }

  // Runs command with the fault planned; the user must be told exactly this point's message.
  void ExpectReported(const FaultPoint& point, const std::function<void()>& command) {
    const qsizetype before = reported.size();
    platform::io_faults::FailAt(point.op, point.n, point.errnoValue);
    command();
    platform::io_faults::Clear();
    ASSERT_EQ(reported.size(), before + 1);
    EXPECT_EQ(reported.last(), point.message);
  }

  // The game goes on: the same board, its loop running, the window taking input.
  void ExpectGameGoesOn(const engine::TPlayPlane* board) {
    EXPECT_EQ(Form1->Game().Plane.get(), board);
    EXPECT_TRUE(Form1->GameLoopRunning());
    EXPECT_TRUE(Form1->isEnabled());
  }

  void Write(const std::string& path, const QByteArray& bytes) const {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  // Blue wins 25 to 24 and Eva presses OK in the game-over window.
  void StoreWin() {
    engine::GameState& game = Form1->Game();
    game.BlueCount = 25;
    game.GreenCount = 24;
    game.TotalCount = 49;
    Form1->ShowGameOver();
    Form3->Edit1->setText(QStringLiteral("Eva"));
    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
  }

  std::string chosen;
};

TEST_F(FileFaultsTest, ASaveThatFailsAnywhereIsReportedAndKeepsTheEarlierFile) {
  chosen = Path("game.kbsf");
  Form1->Savegame1->trigger();  // the earlier file: the new game
  const QByteArray earlier = Read(chosen);
  for (int i = 0; i < 20; ++i) Form1->Timer1Timer();
  Form1->Game().Plane->Click(0, 0);
  Form1->Game().Plane->Click(1, 1);  // the game has moved on since

  const auto points = FaultPointsOf([] { Form1->Savegame1->trigger(); });
  ASSERT_FALSE(points.empty());
  const QByteArray later = Read(chosen);
  ASSERT_NE(later, earlier);
  const engine::TPlayPlane* board = Form1->Game().Plane.get();
  for (const FaultPoint& point : points) {
    SCOPED_TRACE(point.Name());
    ASSERT_NO_FATAL_FAILURE(Write(chosen, earlier));
    ExpectReported(point, [] { Form1->Savegame1->trigger(); });
    EXPECT_EQ(Read(chosen), earlier);
    EXPECT_EQ(Names(), (QStringList{"Score.dat", "game.kbsf"}));  // no temporary file left
    ExpectGameGoesOn(board);
  }
  Form1->Savegame1->trigger();  // and the next save goes through
  EXPECT_EQ(Read(chosen), later);
}

TEST_F(FileFaultsTest, ALoadThatFailsAnywhereIsReportedAndLeavesTheGame) {
  chosen = Path("game.kbsf");
  engine::WriteSavedGame(chosen, {5, 5, engine::kGreen, 7, std::vector<std::int32_t>(25, engine::kBlueCode)});
  const auto points = FaultPointsOf([] { Form1->Loadgame1->trigger(); });
  ASSERT_FALSE(points.empty());
  const engine::TPlayPlane* board = Form1->Game().Plane.get();
  ASSERT_EQ(board->FSizeX, 5);  // the count above loaded it
  Form1->Game().Plane->Restart(9, 9);
  for (const FaultPoint& point : points) {
    SCOPED_TRACE(point.Name());
    ExpectReported(point, [] { Form1->Loadgame1->trigger(); });
    ExpectGameGoesOn(board);
    EXPECT_EQ(board->FSizeX, 9);
  }
}

TEST_F(FileFaultsTest, AScoreWriteThatFailsAnywhereIsReportedTheWindowStaysAndTheTableIsKept) {
  const std::string score = Form1->ScoreFilePath();
  const QByteArray earlier = Read(score);
  ASSERT_EQ(earlier.size(), 286);
  // The points are learnt from a write whose result is then taken back.
  const auto points = FaultPointsOf([this] { StoreWin(); });
  ASSERT_FALSE(points.empty());
  ASSERT_TRUE(Form2->isVisible());
  QTest::mouseClick(Form2->Button1, Qt::LeftButton);
  ASSERT_NO_FATAL_FAILURE(Write(score, earlier));
  Form1->ScoreTable = engine::LoadScoreTable(score);

  for (const FaultPoint& point : points) {
    SCOPED_TRACE(point.Name());
    ExpectReported(point, [this] { StoreWin(); });
    EXPECT_EQ(Read(score), earlier);
    EXPECT_EQ(Names(), QStringList{"Score.dat"});
    // The window stays up for another try, the main window waits for it.
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form1->isEnabled());
    Form3->close();
    EXPECT_TRUE(Form1->isEnabled());
  }
  StoreWin();  // the next try goes through
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(engine::DecodeName(engine::LoadScoreTable(score)[0]), "Eva");
}

TEST_F(FileFaultsTest, AnUnreadableScoreFileIsNeverLostWhateverFails) {
  const QByteArray damaged(100, 'd');
  const std::string score = Form1->ScoreFilePath();
  // The program starts with the damaged file; the first stored result sets it aside.
  const auto restart = [&] {
    forms::DestroyWindows();
    for (const QString& name : Names()) QFile::remove(folder.filePath(name));
    ASSERT_NO_FATAL_FAILURE(Write(score, damaged));
    reported.clear();
    forms::CreateWindows();
    Form3->ShowMessage = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
    ASSERT_EQ(reported, QStringList{"Read beyond end of file"});  // at start
    reported.clear();
  };
  ASSERT_NO_FATAL_FAILURE(restart());
  const auto points = FaultPointsOf([this] { StoreWin(); });
  ASSERT_FALSE(points.empty());
  ASSERT_TRUE(reported.isEmpty()) << reported.join(", ").toStdString();
  for (const FaultPoint& point : points) {
    SCOPED_TRACE(point.Name());
    ASSERT_NO_FATAL_FAILURE(restart());
    ExpectReported(point, [this] { StoreWin(); });
    // The damaged bytes are where they were or set aside, never overwritten.
    const bool inPlace = Read(score) == damaged;
    const bool setAside = Read(score + ".damaged") == damaged;
    EXPECT_TRUE(inPlace || setAside) << Names().join(", ").toStdString();
  }
}

TEST_F(FileFaultsTest, ASavedGameDeletedBetweenTheDialogAndTheOpenIsReported) {
  chosen = Path("game.kbsf");
  Form1->Savegame1->trigger();
  Form1->AskOpenFileName = [this] {
    QFile::remove(QString::fromStdString(chosen));
    return chosen;
  };
  const engine::TPlayPlane* board = Form1->Game().Plane.get();
  Form1->Loadgame1->trigger();
  ASSERT_EQ(reported, QStringList{"File not found"});
  ExpectGameGoesOn(board);
}

TEST_F(FileFaultsTest, AFolderChosenAsAFileIsReportedAndLeftAlone) {
  chosen = Path("folder.kbsf");
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.kbsf"));
  const engine::TPlayPlane* board = Form1->Game().Plane.get();
  Form1->Savegame1->trigger();
  Form1->Loadgame1->trigger();
  EXPECT_EQ(reported, (QStringList{"File access denied", "File access denied"}));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(chosen)).isDir());
  EXPECT_EQ(Names(), (QStringList{"Score.dat", "folder.kbsf"}));
  ExpectGameGoesOn(board);
}

}  // namespace
