// The secondary windows: game over and high score, the new-game dialog, the rules window, the
// About box and the language chooser.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "engine/play_plane.h"
#include "engine/score_table.h"
#include "engine/status.h"
#include "forms/about_box.h"
#include "forms/game_over_window.h"
#include "forms/high_score_window.h"
#include "forms/language_chooser.h"
#include "forms/new_game_dialog.h"
#include "forms/rules_window.h"
#include "forms/spin_edit.h"
#include "forms/turn_indicator_window.h"
#include "platform/io_error.h"
#include "tests/platform/pixel_check.h"
#include "window_fixture.h"

using forms::AboutBox;
using forms::Form1;
using forms::Form2;
using forms::Form3;
using forms::Form4;
using forms::Form5;
using forms::Form6;
using forms::OKBottomDlg;

namespace {

::testing::AssertionResult SamePicture(const platform::Bitmap& got, const platform::Bitmap& want) {
  if (got.Width() != want.Width() || got.Height() != want.Height())
    return ::testing::AssertionFailure() << "size " << got.Width() << "x" << got.Height();
  return platform::checks::PixelsMatch(got, [&](int x, int y) { return want.Pixel(x, y); });
}

engine::TScoreTable DefaultTable() {
  engine::TScoreTable table;
  table.fill(engine::DefaultScoreRecord());
  return table;
}

class SecondaryWindowsTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    Form3->ShowMessage = [this](const QString& text) { messages.append(text); };
  }

  // The end of a game with these final counts, as the board's tick announces it.
  void GameEnds(int blue, int green) {
    engine::GameState& game = Form1->Game();
    game.BlueCount = blue;
    game.GreenCount = green;
    game.TotalCount = blue + green;
    Form1->ShowGameOver();
  }

  QString FilePath(const QString& name) const { return QDir(folder.path()).filePath(name); }
  QString ScoreFile() const { return QString::fromStdString(Form1->ScoreFilePath()); }
  void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(FilePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  QStringList messages;
};

// ---- game over and high score ----

struct WinCase {
  int blue, green;
  const char* message;
  int frame;
  const char* name;
  std::uint8_t winner;
  int percent, score;
};

class GameOverWinTest : public SecondaryWindowsTest, public ::testing::WithParamInterface<WinCase> {};

TEST_P(GameOverWinTest, AnnouncesTheWinnerStoresTheResultAndListsIt) {
  const WinCase& c = GetParam();
  Form1->show();
  GameEnds(c.blue, c.green);

  ASSERT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
  EXPECT_EQ(Form3->Label1->text(), "Game Over");
  EXPECT_EQ(Form3->Label1->x(), (Form3->width() - Form3->Label1->width()) / 2);
  EXPECT_EQ(Form3->Label2->text(), c.message);
  EXPECT_TRUE(Form3->Image1->isVisible());
  EXPECT_TRUE(SamePicture(Form3->Image1Picture(), Form1->Lists().ImageList1.Frame(c.frame)));
  EXPECT_TRUE(Form3->Edit1->isEnabled());
  EXPECT_EQ(Form3->Edit1->text(), c.name);
  EXPECT_EQ(Form1->Winner, c.winner);

  QTest::mouseClick(Form3->Button1, Qt::LeftButton);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(Form3->isVisible());
  ASSERT_TRUE(Form2->isVisible());
  EXPECT_FALSE(Form1->isEnabled());

  // The first result after a fresh file sorts to the top; the file holds the sorted table.
  const engine::TScoreRecord& top = Form1->ScoreTable[0];
  EXPECT_EQ(engine::DecodeName(top), c.name);
  EXPECT_EQ(engine::DisplayedPercent(top), c.percent);
  EXPECT_EQ(engine::DisplayedScore(top), c.score);
  EXPECT_EQ(engine::LoadScoreTable(Form1->ScoreFilePath()), Form1->ScoreTable);
  EXPECT_EQ(Form2->Cell(0, 1), c.name);
  EXPECT_EQ(Form2->Cell(1, 1), QString::number(c.percent));
  EXPECT_EQ(Form2->Cell(2, 1), QString::number(c.score));
  EXPECT_EQ(Form2->Cell(0, 2), "Empty");

  QTest::keyClick(Form2, Qt::Key_Return);  // Enter presses the high-score window's OK
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Results, GameOverWinTest,
    ::testing::Values(WinCase{25, 24, "Blue is winner !!", 0, "Player 1", engine::kBlue, 51, 25},
                      WinCase{24, 25, "Green is winner !!", 24, "Player 2", engine::kGreen, 52, 25},
                      // Green's share is 100 minus Blue's share cut down, so it rounds up.
                      WinCase{1, 2, "Green is winner !!", 24, "Player 2", engine::kGreen, 67, 2},
                      WinCase{2, 1, "Blue is winner !!", 0, "Player 1", engine::kBlue, 66, 2}),
    [](const ::testing::TestParamInfo<WinCase>& param) {
      return "Blue" + std::to_string(param.param.blue) + "Green" + std::to_string(param.param.green);
    });

TEST_F(SecondaryWindowsTest, ADrawStoresNothingButRewritesTheScoreFile) {
  GameEnds(3, 5);  // Green wins first: the draw must keep its name and winner
  GameEnds(12, 12);
  EXPECT_EQ(Form3->Label2->text(), "It's a draw !!");
  EXPECT_FALSE(Form3->Image1->isVisible());
  EXPECT_FALSE(Form3->Edit1->isEnabled());
  EXPECT_EQ(Form3->Edit1->text(), "Player 2");
  EXPECT_EQ(Form1->Winner, engine::kGreen);

  ASSERT_TRUE(QFile::remove(ScoreFile()));
  QTest::mouseClick(Form3->Button1, Qt::LeftButton);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form1->ScoreTable, DefaultTable());
  EXPECT_EQ(QFileInfo(ScoreFile()).size(), 286);
  EXPECT_EQ(Form2->Cell(1, 1), "0");

  // The next win shows the bubble and takes a name again.
  Form2->Button1Click();
  GameEnds(4, 1);
  EXPECT_TRUE(Form3->Image1->isVisible());
  EXPECT_TRUE(Form3->Edit1->isEnabled());
  EXPECT_EQ(Form3->Edit1->text(), "Player 1");
}

TEST_F(SecondaryWindowsTest, AnEmptyNameIsRefusedAndNothingIsStored) {
  GameEnds(25, 24);
  Form3->Edit1->clear();
  ASSERT_TRUE(QFile::remove(ScoreFile()));
  QTest::mouseClick(Form3->Button1, Qt::LeftButton);
  EXPECT_EQ(messages, QStringList{"Enter your name !!!"});
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
  EXPECT_EQ(Form1->ScoreTable, DefaultTable());
  EXPECT_FALSE(QFile::exists(ScoreFile()));
}

TEST_F(SecondaryWindowsTest, ANameOfTwentyCharactersIsStoredWholeAndTheBoxTakesNoMore) {
  GameEnds(25, 24);
  Form3->Edit1->clear();
  QTest::keyClicks(Form3->Edit1, "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(Form3->Edit1->text(), "abcdefghijklmnopqrst");
  // Czech letters survive the 8-bit name of the record.
  const QString name = QStringLiteral("Příliš žluťoučký kůň");  // 20 characters
  Form3->Edit1->setText(name + "xyz");
  EXPECT_EQ(Form3->Edit1->text(), name);
  Form3->Button1Click();
  EXPECT_EQ(QString::fromStdString(engine::DecodeName(Form1->ScoreTable[0])), name);
  EXPECT_EQ(Form2->Cell(0, 1), name);
}

TEST_F(SecondaryWindowsTest, AFailedScoreWriteIsReportedAndTheGameOverWindowStays) {
  GameEnds(25, 24);
  // A folder in the score file's place can't be replaced by a file.
  ASSERT_TRUE(QFile::remove(ScoreFile()));
  ASSERT_TRUE(QDir().mkdir(ScoreFile()));
  EXPECT_THROW(Form3->Button1Click(), platform::EInOutError);

  QTest::mouseClick(Form3->Button1, Qt::LeftButton);  // the button reports it
  EXPECT_EQ(reported.size(), 1);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
}

TEST_F(SecondaryWindowsTest, TheHighScoreWindowFromTheMenuShowsTheTableReadAtStart) {
  Form1->show();
  Form1->ScoreTable[1].Score = engine::ScrambleWord(300);  // a damaged record shows below zero
  Form1->ScoreTable[10].PlayerName[0] = 0;                 // the working slot is never shown
  Form1->Highscore1->trigger();
  ASSERT_TRUE(Form2->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
  EXPECT_EQ(Form2->Cell(0, 0), "Player name");
  EXPECT_EQ(Form2->Cell(1, 0), "Percents (%)");
  EXPECT_EQ(Form2->Cell(2, 0), "Score");
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(Form2->Cell(0, row), "Empty") << row;
    EXPECT_EQ(Form2->Cell(1, row), "0") << row;
    EXPECT_EQ(Form2->Cell(2, row), row == 2 ? "-2" : "0") << row;
  }
  EXPECT_EQ(Form2->StringGrid1->rowCount(), 11);
}

// ---- closing any secondary window ----

TEST_F(SecondaryWindowsTest, ClosingASecondaryWindowEnablesTheMainWindow) {
  WriteFile("rules_en.txt", "Rules");
  struct Case {
    const char* name;
    QWidget* window;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"new game", OKBottomDlg, [] { Form1->Newgame1->trigger(); }},
      {"high score", Form2, [] { Form1->Highscore1->trigger(); }},
      {"rules", Form5, [] { Form1->Gamerules1->trigger(); }},
      {"about", AboutBox, [] { Form1->About1->trigger(); }},
      {"game over", Form3, [this] { GameEnds(2, 1); }},
  };
  Form1->show();
  for (const Case& c : cases) {
    c.open();
    ASSERT_TRUE(c.window->isVisible()) << c.name;
    EXPECT_FALSE(Form1->isEnabled()) << c.name;
    EXPECT_TRUE(c.window->close()) << c.name;
    EXPECT_FALSE(c.window->isVisible()) << c.name;
    EXPECT_TRUE(Form1->isEnabled()) << c.name;
  }
  EXPECT_FALSE(Form2->isVisible());  // closing the game-over window stores and shows nothing
  EXPECT_TRUE(reported.isEmpty());
}

TEST_F(SecondaryWindowsTest, TheAboutBoxOkHidesItAndEnablesTheMainWindow) {
  Form1->show();
  Form1->About1->trigger();
  QTest::keyClick(AboutBox, Qt::Key_Escape);  // no cancel button: Esc does nothing
  EXPECT_TRUE(AboutBox->isVisible());
  QTest::keyClick(AboutBox, Qt::Key_Return);
  EXPECT_FALSE(AboutBox->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
}

// ---- new game dialog ----

// Replaces what a spin edit holds by typing, as a user does.
void Type(forms::SpinEdit* box, const QString& text) {
  box->clear();
  QTest::keyClicks(box, text);
}

TEST_F(SecondaryWindowsTest, TheFirstNewGameIsFiveByFiveWithAPersonPlayingGreen) {
  Form1->show();
  engine::GameState& game = Form1->Game();
  ASSERT_TRUE(Form1->ComputerPlays);
  engine::ShowTurn(game, engine::kGreen);
  // An end of turn or game pending from the old board must not reach the new one.
  game.TurnFinished = true;
  game.GameOverPending = true;

  Form1->Newgame1->trigger();
  ASSERT_TRUE(OKBottomDlg->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
  EXPECT_EQ(OKBottomDlg->SpinEdit1->text(), "5");
  EXPECT_EQ(OKBottomDlg->SpinEdit2->text(), "5");
  EXPECT_TRUE(OKBottomDlg->RadioButton1->isChecked());
  EXPECT_FALSE(OKBottomDlg->RadioButton2->isChecked());

  QTest::keyClick(OKBottomDlg->SpinEdit1, Qt::Key_Return);  // Enter presses OK
  EXPECT_FALSE(OKBottomDlg->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
  EXPECT_FALSE(Form1->ComputerPlays);
  EXPECT_EQ(game.Plane->FSizeX, 5);
  EXPECT_EQ(game.Plane->FSizeY, 5);
  EXPECT_EQ(game.Plane->FPlayer, engine::kBlue);
  EXPECT_FALSE(game.TurnFinished);
  EXPECT_FALSE(game.GameOverPending);
  EXPECT_EQ(Form1->StatusBar2Model().Color(), platform::clBlueToMove);
  EXPECT_TRUE(SamePicture(Form1->IndicatorPicture(), Form1->Lists().ImageList4.Frame(engine::kBlue)));
}

TEST_F(SecondaryWindowsTest, TypedSizesAreClampedAndWhatIsNoNumberCountsAsFive) {
  struct Case {
    const char* columns;
    const char* rows;
    int x, y;
  };
  const Case cases[] = {
      {"25", "13", 19, 12}, {"0", "0", 5, 5},  {"-3", "-12", 5, 5}, {"", "", 5, 5},
      {"-", "+", 5, 5},     {"7-", "1+2", 5, 5}, {"12", "7", 12, 7},  {"19", "12", 19, 12},
  };
  for (const Case& c : cases) {
    Form1->Newgame1->trigger();
    Type(OKBottomDlg->SpinEdit1, c.columns);
    Type(OKBottomDlg->SpinEdit2, c.rows);
    QTest::mouseClick(OKBottomDlg->OKBtn, Qt::LeftButton);
    EXPECT_EQ(Form1->Game().Plane->FSizeX, c.x) << c.columns;
    EXPECT_EQ(Form1->Game().Plane->FSizeY, c.y) << c.rows;
  }
}

TEST_F(SecondaryWindowsTest, LettersCantBeTypedIntoASizeBox) {
  Type(OKBottomDlg->SpinEdit1, "1a2b");
  EXPECT_EQ(OKBottomDlg->SpinEdit1->text(), "12");
}

TEST_F(SecondaryWindowsTest, CancelEscAndCloseKeepTheGameAndTheDialogKeepsItsChoices) {
  struct Case {
    const char* name;
    std::function<void()> dismiss;
  };
  const Case cases[] = {
      {"Cancel", [] { QTest::mouseClick(OKBottomDlg->CancelBtn, Qt::LeftButton); }},
      {"Esc", [] { QTest::keyClick(OKBottomDlg->SpinEdit2, Qt::Key_Escape); }},
      {"close box", [] { OKBottomDlg->close(); }},
  };
  Form1->show();
  engine::TPlayPlane* board = Form1->Game().Plane.get();
  for (const Case& c : cases) {
    Form1->Newgame1->trigger();
    Type(OKBottomDlg->SpinEdit1, "9");
    OKBottomDlg->RadioButton2->setChecked(true);
    c.dismiss();
    EXPECT_FALSE(OKBottomDlg->isVisible()) << c.name;
    EXPECT_TRUE(Form1->isEnabled()) << c.name;
    EXPECT_EQ(Form1->Game().Plane.get(), board) << c.name;
    EXPECT_EQ(board->FSizeX, 7) << c.name;
    EXPECT_TRUE(Form1->ComputerPlays) << c.name;
  }
  Form1->Newgame1->trigger();
  EXPECT_EQ(OKBottomDlg->SpinEdit1->text(), "9");
  EXPECT_TRUE(OKBottomDlg->RadioButton2->isChecked());
  EXPECT_FALSE(OKBottomDlg->RadioButton1->isChecked());
}

// ---- rules window ----

TEST_F(SecondaryWindowsTest, TheRulesWindowShowsTheFileOfTheChosenLanguageReadAfresh) {
  WriteFile("rules_en.txt", "English rules\r\nsecond line");
  WriteFile("rules_cz.txt", "Pravidla: \xE8\xE1st\rdruh\xE1");  // 8-bit Central European text
  Form1->show();

  Form1->Gamerules1->trigger();
  ASSERT_TRUE(Form5->isVisible());
  EXPECT_FALSE(Form1->isEnabled());
  EXPECT_EQ(Form5->Memo1->toPlainText(), "English rules\nsecond line");
  Form5->Button1->click();
  EXPECT_FALSE(Form5->isVisible());
  EXPECT_TRUE(Form1->isEnabled());

  Form6->RadioButton2->setChecked(true);
  Form1->Gamerules1->trigger();
  EXPECT_EQ(Form5->Memo1->toPlainText(), QStringLiteral("Pravidla: část\ndruhá"));
  Form5->Button1->click();

  WriteFile("rules_cz.txt", "Nová pravidla");  // UTF-8, changed while the program runs
  Form1->Gamerules1->trigger();
  EXPECT_EQ(Form5->Memo1->toPlainText(), QStringLiteral("Nová pravidla"));
  EXPECT_TRUE(reported.isEmpty());
}

TEST_F(SecondaryWindowsTest, AMissingRulesFileIsReportedAndTheWindowComesUpEmpty) {
  WriteFile("rules_en.txt", "Rules");
  Form1->show();
  Form1->Gamerules1->trigger();
  Form5->Button1->click();
  ASSERT_TRUE(QFile::remove(FilePath("rules_en.txt")));

  Form1->Gamerules1->trigger();
  EXPECT_EQ(reported, QStringList{"File not found"});
  EXPECT_TRUE(Form5->isVisible());
  EXPECT_TRUE(Form5->Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(Form1->isEnabled());
  Form5->Button1->click();
  EXPECT_TRUE(Form1->isEnabled());
}

// ---- language chooser ----

struct Caption {
  const char* element;
  std::function<QString()> text;
  const char* english;
  const char* czech;  // the same as english for a text that stays English
};

QString Panel(int i) { return QString::fromStdString(Form1->StatusBar2Model().PanelText(i)); }

std::vector<Caption> Captions() {
  return {
      {"File", [] { return Form1->File1->title(); }, "File", "Soubor"},
      {"New game", [] { return Form1->Newgame1->text(); }, "New game", "Nova hra"},
      {"Save game", [] { return Form1->Savegame1->text(); }, "Save game", "Ulozit hru"},
      {"Load game", [] { return Form1->Loadgame1->text(); }, "Load game", "Nahrat hru"},
      {"Exit", [] { return Form1->Exit1->text(); }, "Exit", "Konec"},
      {"Configuration", [] { return Form1->Configuration1->title(); }, "Configuration", "Konfigurace"},
      {"Large player turn", [] { return Form1->Largeplayerturn1->text(); }, "Large player turn",
       "Velky ukazatel hrace"},
      {"turn indicator", [] { return Form4->windowTitle(); }, "Turn now", "Na tahu je"},
      {"Help", [] { return Form1->Help1->title(); }, "Help", "Pomoc"},
      {"About item", [] { return Form1->About1->text(); }, "About", "O hre ..."},
      {"Game rules item", [] { return Form1->Gamerules1->text(); }, "Game rules", "Pravidla hry"},
      {"About box", [] { return AboutBox->windowTitle(); }, "About", "O hre ..."},
      {"Version", [] { return AboutBox->Version->text(); }, "Version 1.01", "Verze 1.01"},
      {"author line", [] { return AboutBox->AuthorLine->text(); }, "Written by the Kalmex Bubbles team",
       "Napsal tym Kalmex Bubbles"},
      {"Contact", [] { return AboutBox->Label1->text(); }, "Contact:", "Kontakt"},
      {"Comments", [] { return AboutBox->Comments->text(); }, "This game is freeware", "Tato hra je freeware"},
      {"rules window", [] { return Form5->windowTitle(); }, "Game rules", "Pravidla hry"},
      {"new game dialog", [] { return OKBottomDlg->windowTitle(); }, "Create new game", "Vytvor novou hru"},
      {"Green player", [] { return OKBottomDlg->Label3->text(); }, "Green player", "Zeleny hrac"},
      {"Human", [] { return OKBottomDlg->RadioButton1->text(); }, "Human", "Clovek"},
      {"Computer", [] { return OKBottomDlg->RadioButton2->text(); }, "Computer", "Pocitac"},
      {"Cancel", [] { return OKBottomDlg->CancelBtn->text(); }, "Cancel", "Zrusit"},
      {"panel 0", [] { return Panel(0); }, "Blue", "Modry"},
      {"panel 1", [] { return Panel(1); }, "Green", "Zeleny"},
      {"panel 2", [] { return Panel(2); }, "Total", "Celkem"},
      {"panel 3", [] { return Panel(3); }, "Round", "Kolo"},
      {"panel 4", [] { return Panel(4); }, "Plane size", "Velkost hraci plochy"},
      // These stay English in either language.
      {"main window", [] { return Form1->windowTitle(); }, "Kalmex Bubbles", "Kalmex Bubbles"},
      {"High score", [] { return Form1->Highscore1->text(); }, "High score", "High score"},
      {"X Size", [] { return OKBottomDlg->Label1->text(); }, "X Size", "X Size"},
      {"Y Size", [] { return OKBottomDlg->Label2->text(); }, "Y Size", "Y Size"},
      {"dialog OK", [] { return OKBottomDlg->OKBtn->text(); }, "OK", "OK"},
      {"product name", [] { return AboutBox->ProductName->text(); }, "Kalmex Bubbles", "Kalmex Bubbles"},
      {"About OK", [] { return AboutBox->OKButton->text(); }, "OK", "OK"},
      {"rules OK", [] { return Form5->Button1->text(); }, "&OK", "&OK"},
      {"high score window", [] { return Form2->windowTitle(); }, "High score", "High score"},
      {"game over name", [] { return Form3->Label3->text(); }, "Enter player name", "Enter player name"},
  };
}

class LanguageTest : public SecondaryWindowsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LanguageTest, OkSetsTheCaptionsOfTheChosenLanguageAndOpensTheGame) {
  const bool czech = GetParam();
  Form6->show();
  (czech ? Form6->RadioButton2 : Form6->RadioButton1)->setChecked(true);
  QTest::mouseClick(Form6->Button1, Qt::LeftButton);

  EXPECT_FALSE(Form6->isVisible());
  EXPECT_TRUE(Form1->isVisible());
  for (const Caption& c : Captions()) EXPECT_EQ(c.text(), czech ? c.czech : c.english) << c.element;
  EXPECT_EQ(Form1->Newgame1->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(Form1->Exit1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}

TEST_P(LanguageTest, ExitAsksInTheCheckedLanguageAndCancelKeepsTheChooser) {
  const bool czech = GetParam();
  Form6->show();
  (czech ? Form6->RadioButton2 : Form6->RadioButton1)->setChecked(true);
  exitAnswer = false;
  QTest::mouseClick(Form6->Button2, Qt::LeftButton);

  ASSERT_EQ(exitQuestions.size(), 1);
  EXPECT_EQ(exitQuestions[0], czech ? "Pozor !!|Skutecne chcete hru skoncit ?"
                                    : "Warning !!|Do you want really leave the game ?");
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_EQ(Form6->RadioButton2->isChecked(), czech);
  EXPECT_NE(Form1->Game().Plane, nullptr);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndCzech, LanguageTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "Czech" : "English"; });

TEST_F(SecondaryWindowsTest, TheChoosersCloseBoxEndsTheProgramWithoutAQuestion) {
  Form6->show();
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(5000);
  QTimer::singleShot(0, Form6, [] { Form6->close(); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(exitQuestions.isEmpty());
}

TEST_F(SecondaryWindowsTest, ConfirmedExitFromTheChooserEndsTheProgram) {
  Form6->show();
  exitAnswer = true;
  Form6->Button2Click();
  EXPECT_EQ(exitQuestions.size(), 1);
  EXPECT_EQ(Form1->Game().Plane, nullptr);
  EXPECT_FALSE(Form1->GameLoopRunning());
}

}  // namespace
