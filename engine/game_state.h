#pragma once
// The game-wide state kept beside the one board.
#include <memory>

#include "engine/board_host.h"

namespace engine {

class TPlayPlane;

struct GameState {
  GameState();
  ~GameState();
  GameState(const GameState&) = delete;
  GameState& operator=(const GameState&) = delete;

  std::unique_ptr<TPlayPlane> Plane;  // the one board; null until the main window builds it
  bool AllIdle = false;        // no bubble grew, vanished or changed colour in the last step
  int BlueCount = 0;           // as last counted by CountBubbles
  int GreenCount = 0;
  int TotalCount = 0;
  int RoundNo = 0;             // 1 on a new board, raised each time the turn passes to Blue
  bool TurnFinished = false;   // a move was made; its end-of-turn work is pending
  bool GameOverPending = false;  // the player to move has no move; the game-over work is pending
  BoardDisplay display;        // where the board draws and what it tells of its changes

  // Frees the board and puts every value back as at program start (the display stays).
  void Reset();
};

// Sets BlueCount, GreenCount and TotalCount from the board; does nothing without one.
void CountBubbles(GameState& game);
// The same for a given board, which may still be under construction.
void CountBubbles(GameState& game, const TPlayPlane& board);

}  // namespace engine
