#include "forms/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "engine/computer_player.h"
#include "engine/animation.h"
#include "engine/geometry.h"
#include "engine/play_plane.h"
#include "forms/application.h"
#include "forms/artwork.h"
#include "forms/board_view.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/program_folder.h"
#include "forms/status_bar_widget.h"
#include "forms/turn_indicator_window.h"
#include "forms/windows.h"
#include "platform/binary_file.h"
#include "platform/random.h"

namespace forms {

namespace {
constexpr int kBoardAreaHeight = TForm1::kClientHeight - 2 * StatusBarWidget::kHeight;  // 396
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Kalmex Bubbles"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setFont(DialogFont());
  lists_ = LoadImageLists();
  indicator_.SetSize(64, 64);
  indicator_.Fill(indicator_.Bounds(), platform::clBtnFace);
  game_.display = {&picture_, &lists_, &statusBar1_, &statusBar2_, &indicator_, this};
  BuildMenu();
  BuildClient();

  Timer1.setInterval(20);
  Timer1.setTimerType(Qt::PreciseTimer);
  Timer2.setInterval(100);
  Timer2.setTimerType(Qt::PreciseTimer);
  Timer3.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
  connect(&Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
  Timer2.start();
  FormCreate();
}

TForm1::~TForm1() {
  pacer_.Stop();
  Timer2.stop();
  Timer3.stop();
  game_.Plane.reset();
}

void TForm1::FormCreate() {
  platform::Randomize();
  QDir::setCurrent(ProgramFolder());
  LoadScores();
  ComputerPlays = true;
  game_.Plane = std::make_unique<engine::TPlayPlane>(game_, 7, 7);
  // Both timers start together, so that every fifth game step and a pulse share one wake-up.
  pacer_.Start();
  Timer2.start();
}

void TForm1::BuildMenu() {
  File1 = menuBar()->addMenu(QStringLiteral("File"));
  Newgame1 = File1->addAction(QStringLiteral("New game"), this, &TForm1::Newgame1Click);
  Newgame1->setShortcut(QKeySequence(Qt::Key_F2));
  Savegame1 = File1->addAction(QStringLiteral("Save game"), this, [this] { Guarded([this] { Savegame1Click(); }); });
  Loadgame1 = File1->addAction(QStringLiteral("Load game"), this, [this] { Guarded([this] { Loadgame1Click(); }); });
  Highscore1 = File1->addAction(QStringLiteral("High score"), this, &TForm1::Highscore1Click);
  Highscore1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  File1->addSeparator();
  Exit1 = File1->addAction(QStringLiteral("Exit"), this, &TForm1::Exit1Click);
  Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

  Configuration1 = menuBar()->addMenu(QStringLiteral("Configuration"));
  Largeplayerturn1 = Configuration1->addAction(QStringLiteral("Large player turn"));
  Largeplayerturn1->setCheckable(true);
  connect(Largeplayerturn1, &QAction::toggled, this, [](bool on) {
    if (Form4) Form4->setVisible(on);
  });

  Help1 = menuBar()->addMenu(QStringLiteral("Help"));
  Gamerules1 = Help1->addAction(QStringLiteral("Game rules"), this, &TForm1::Gamerules1Click);
  Help1->addSeparator();
  About1 = Help1->addAction(QStringLiteral("About"), this, &TForm1::About1Click);
  // Shortcuts work while the window is enabled, whether or not the menu is open.
  for (QAction* action : {Newgame1, Highscore1, Exit1}) action->setShortcutContext(Qt::WindowShortcut);
}

void TForm1::BuildClient() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  Image1 = new BackgroundView(LoadBackground(), client);
  Image1->setGeometry(0, 0, kClientWidth, kBoardAreaHeight);
  Panel1 = new QWidget(client);
  Image2 = new BoardView(picture_, Panel1);
  Image2->OnMouseDown = [this](int x, int y) { Image2MouseDown(x, y); };
  StatusBar2 = new StatusBarWidget(statusBar2_, client);
  StatusBar2->setGeometry(0, kBoardAreaHeight, kClientWidth, StatusBarWidget::kHeight);
  StatusBar1 = new StatusBarWidget(statusBar1_, client);
  StatusBar1->setGeometry(0, kBoardAreaHeight + StatusBarWidget::kHeight, kClientWidth, StatusBarWidget::kHeight);
  const char* captions[] = {"Blue", "Green", "Total", "Round", "Plane size"};
  for (int i = 0; i < 5; ++i) statusBar2_.SetPanelText(i, captions[i]);
}

// The game loop.
void TForm1::Timer1Timer() {
  if (!pacer_.CatchingUp()) tickLog_.Mark(!game_.AllIdle);
  if (!game_.Plane || ComputerBusy) return;
  game_.Plane->Tick();
  Image2->ShowChanges(false);
  if (game_.AllIdle && game_.Plane->FPlayer == engine::kGreen && ComputerPlays) ComputerMove();
  pacer_.AfterStep();
}

int TForm1::QuietSteps() const {
  if (!game_.Plane) return GameLoopPacer::kForever;
  // With Green to move the computer is asked at every step, and draws anew even when it
  // finds no move; its pause keeps the loop awake too.
  if (ComputerBusy || (ComputerPlays && game_.Plane->FPlayer == engine::kGreen)) return 0;
  if (!picture_.Dirty().Empty()) return 0;  // drawn by a click, to be shown by the next step
  static_assert(GameLoopPacer::kForever == engine::kForever);
  return engine::QuietSteps(game_);
}

void TForm1::Timer2Timer() { engine::StartRandomPulse(game_); }

void TForm1::Timer3Timer() {
  PauseElapsed = true;
  if (pauseLoop_) pauseLoop_->quit();
}

void TForm1::Image2MouseDown(int X, int Y) {
  if (!game_.Plane || !game_.AllIdle || ComputerBusy) return;
  // While a button is held the board keeps the mouse, so a second button pressed after the
  // pointer left it arrives here from outside the picture, where no cell of the board lies.
  if (X < 0 || Y < 0 || X >= picture_.Width() || Y >= picture_.Height()) return;
  const engine::Cell cell = engine::PixelToCell(X, Y);
  game_.Plane->Click(cell.X, cell.Y);
}

void TForm1::ComputerMove() {
  if (!game_.Plane) return;
  ComputerBusy = true;
  struct Done {
    TForm1* form;
    ~Done() { form->ComputerBusy = false; }
  } done{this};

  const auto choice = engine::ChooseComputerMove(game_);
  if (!choice) return;
  game_.Plane->Click(choice->From.X, choice->From.Y);
  RepaintBoard();

  // The selection stays on screen for a second. The pause waits for events without spinning;
  // it ends when Timer3 fires or the window closes.
  PauseElapsed = false;
  Timer3.start();
  QEventLoop pause;
  pauseLoop_ = &pause;
  if (!PauseElapsed && !closing_) pause.exec();
  pauseLoop_ = nullptr;
  Timer3.stop();

  // The window may have closed (no board), or a new or loaded game may have replaced the
  // position: the move goes on only while the computer's selection still stands, so that a
  // stale click never lands on a freed board or selects a bubble of Blue's.
  if (closing_ || !game_.Plane) return;
  engine::TPlayPlane& board = *game_.Plane;
  if (!board.FSelected || board.FPlayer != engine::kGreen || board.FSelX != choice->From.X ||
      board.FSelY != choice->From.Y)
    return;
  board.Click(choice->Target.X, choice->Target.Y);
  RepaintBoard();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  const bool czech = CzechChecked() && !EnglishChecked();
  const QString text = czech ? QStringLiteral("Skutecne chcete hru skoncit ?")
                             : QStringLiteral("Do you want really leave the game ?");
  const QString title = czech ? QStringLiteral("Pozor !!") : QStringLiteral("Warning !!");
  bool ok = false;
  if (AskExit) {
    ok = AskExit(text, title);
  } else {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setEscapeButton(QMessageBox::Cancel);
    ok = box.exec() == QMessageBox::Ok;
  }
  if (!ok) {
    event->ignore();
    return;
  }
  closing_ = true;
  pacer_.Stop();
  Timer2.stop();
  Timer3.stop();
  game_.Plane.reset();
  if (pauseLoop_) pauseLoop_->quit();
  event->accept();
  QCoreApplication::quit();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;  // centred on the screen when first shown
  adjustSize();
  CentreOnScreen(this);
}

void TForm1::Exit1Click() { close(); }

void TForm1::Newgame1Click() {
  SetMainEnabled(false);
  ShowSecondary(Secondary::NewGame);
}

void TForm1::Highscore1Click() {
  SetMainEnabled(false);
  ShowSecondary(Secondary::HighScore);
}

void TForm1::Gamerules1Click() {
  SetMainEnabled(false);
  ShowSecondary(Secondary::Rules);
}

void TForm1::About1Click() {
  ShowSecondary(Secondary::About);
  SetMainEnabled(false);
}

void TForm1::Largeplayerturn1Click() { Largeplayerturn1->toggle(); }

void TForm1::PlaceBoard(int width, int height) {
  const platform::Rect r = engine::BoardPanelRect(kClientWidth, kClientHeight, width, height);
  Panel1->setGeometry(r.left, r.top, width, height);
  Image2->setGeometry(0, 0, width, height);
}

void TForm1::RepaintBoard() { Image2->ShowChanges(true); }

void TForm1::RepaintIndicator() {
  if (Form4) Form4->RepaintPicture();
}

void TForm1::ShowGameOver() {
  ShowSecondary(Secondary::GameOver);
}

std::string TForm1::ScoreFilePath() const {
  // Beside the program, or in the user's data folder for an installed copy; never relative to
  // whatever the current directory has become since.
  return UserFile(QStringLiteral("Score.dat"));
}

void TForm1::LoadScores() {
  // A damaged or unreadable table is reported, then the game goes on with the default table;
  // the file itself is kept aside before the first save would replace it.
  try {
    ScoreTable = engine::LoadScoreTable(ScoreFilePath());
  } catch (const platform::EInOutError& error) {
    ReportException(error);
    ScoreTable.fill(engine::DefaultScoreRecord());
    scoreFileUnreadable_ = true;
  }
}

void TForm1::SaveScores() {
  const std::string path = ScoreFilePath();
  if (scoreFileUnreadable_ && platform::EntryExists(path)) engine::KeepAside(path);
  scoreFileUnreadable_ = false;
  engine::SaveScoreTable(ScoreTable, path);
}

}  // namespace forms
