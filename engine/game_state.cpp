#include "engine/game_state.h"

#include "engine/play_plane.h"

namespace engine {

GameState::GameState() = default;
GameState::~GameState() = default;

void GameState::Reset() {
  Plane.reset();
  AllIdle = false;
  BlueCount = GreenCount = TotalCount = RoundNo = 0;
  TurnFinished = false;
  GameOverPending = false;
}

void CountBubbles(GameState& game) {
  if (game.Plane) CountBubbles(game, *game.Plane);
}

void CountBubbles(GameState& game, const TPlayPlane& board) {
  int blue = 0;
  int green = 0;
  for (const auto& bubble : board.FCells) {
    if (!bubble) continue;
    if (bubble->FOwner == kBlue) ++blue;
    else ++green;
  }
  game.BlueCount = blue;
  game.GreenCount = green;
  game.TotalCount = blue + green;
}

}  // namespace engine
