#pragma once
// TForm1: the main window. It holds the board picture, the two status bars and the menu, and
// drives the game: a 20 ms timer steps the board and hands Green's move to the computer.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "engine/animation.h"
#include "engine/board_host.h"
#include "engine/game_state.h"
#include "engine/score_table.h"
#include "forms/game_loop_pacer.h"
#include "forms/tick_log.h"

class QAction;
class QEventLoop;
class QMenu;
class QWidget;

namespace forms {

class BoardView;
class StatusBarWidget;
class BackgroundView;

class TForm1 : public QMainWindow, public engine::BoardHost {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 632;
  static constexpr int kClientHeight = 434;

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Game state kept by the main window
  engine::GameState& Game() { return game_; }
  engine::TScoreTable ScoreTable{};
  std::uint8_t Winner = 0;     // the winner of the last decided game
  bool ComputerPlays = false;  // Green is played by the computer
  bool ComputerBusy = false;   // the computer is making its move, its pause included
  bool PauseElapsed = false;

  // Handlers
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Image2MouseDown(int X, int Y);
  void Exit1Click();
  void Newgame1Click();
  void Savegame1Click();
  void Loadgame1Click();
  void Highscore1Click();
  void Largeplayerturn1Click();
  void Gamerules1Click();
  void About1Click();
  void ComputerMove();
  // How many of the coming steps of the game loop are sure to show nothing (counted from
  // the last step made; GameLoopPacer::kForever: none will); the game timer sleeps through them.
  int QuietSteps() const;
  // The game loop runs from the end of FormCreate until the window closes, whether its
  // timer is ticking or asleep over a resting board.
  bool GameLoopRunning() const { return pacer_.Running(); }
  bool GameLoopDozing() const { return pacer_.Dozing(); }

  // The score file: where it lives, and writing the table after a game (keeps a file that
  // could not be read aside before replacing it).
  std::string ScoreFilePath() const;
  void SaveScores();

  // Replaces the board with one loaded from a saved game (see the load command).
  void LoadGameFile(const std::string& path);
  void SaveGameFile(const std::string& path);
  // File dialogs go through these, so tests can answer them; an empty string is a cancel.
  std::function<std::string()> AskSaveFileName;
  std::function<std::string()> AskOpenFileName;
  // The refusal of a file that is not a saved game; tests may watch it.
  std::function<void()> ShowIncorrectFile;
  // The exit question; tests may answer it. Returns true for OK.
  std::function<bool(const QString& text, const QString& title)> AskExit;

  // BoardHost
  void PlaceBoard(int width, int height) override;
  void RepaintBoard() override;
  void RepaintIndicator() override;
  void ShowGameOver() override;

  // Controls reached by other windows (captions, tests)
  QMenu* File1 = nullptr;
  QAction* Newgame1 = nullptr;
  QAction* Savegame1 = nullptr;
  QAction* Loadgame1 = nullptr;
  QAction* Highscore1 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Configuration1 = nullptr;
  QAction* Largeplayerturn1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Gamerules1 = nullptr;
  QAction* About1 = nullptr;
  QWidget* Panel1 = nullptr;
  BoardView* Image2 = nullptr;
  StatusBarWidget* StatusBar1 = nullptr;  // the numbers, lowest line
  StatusBarWidget* StatusBar2 = nullptr;  // the captions, coloured for the player to move
  platform::StatusBarModel& StatusBar1Model() { return statusBar1_; }
  platform::StatusBarModel& StatusBar2Model() { return statusBar2_; }
  const engine::ImageLists& Lists() const { return lists_; }
  platform::Bitmap& IndicatorPicture() { return indicator_; }
  QTimer Timer1;  // the game loop, 20 ms (sleeps through steps that show nothing)
  QTimer Timer2;  // random pulses, 100 ms, on the same beats as Timer1
  QTimer Timer3;  // the computer's pause, 1000 ms

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void BuildMenu();
  void BuildClient();
  void LoadScores();
  void FinishPause();

  engine::GameState game_;
  engine::ImageLists lists_;
  platform::Bitmap picture_;    // the board picture
  platform::Bitmap indicator_;  // the turn indicator's picture
  platform::StatusBarModel statusBar1_;
  platform::StatusBarModel statusBar2_;
  BackgroundView* Image1 = nullptr;
  QEventLoop* pauseLoop_ = nullptr;
  bool scoreFileUnreadable_ = false;
  bool closing_ = false;
  bool placed_ = false;
  TickLog tickLog_;
  GameLoopPacer pacer_{Timer1, [this] { Timer1Timer(); }, [this] { return QuietSteps(); },
                       [this] { return !game_.Plane || engine::BoardRests(game_); }};
};

}  // namespace forms
