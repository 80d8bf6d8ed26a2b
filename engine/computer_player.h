#pragma once
// The computer's choice of Green's move: for every Green bubble its best target, then the best
// of those, ties broken by a fair coin that favours later bubbles.
#include <optional>

#include "engine/game_state.h"
#include "engine/geometry.h"

namespace engine {

struct TCandidate {
  Cell Target{-1, -1};  // (-1, -1) when no target was recorded
  int Gain = 0;
  int Slot = 0;         // slot of the Green bubble
};

struct ComputerChoice {
  Cell From;
  Cell Target;
};

// The coin for a tie: one draw of Random(10000), taken with probability one half.
bool TossCoin();
// The cell of a slot of the current board; nothing when there is no board.
std::optional<Cell> IndexToCell(const GameState& game, int Slot);
// Evaluates every Green bubble and picks the move; nothing when no move is chosen this time.
std::optional<ComputerChoice> ChooseComputerMove(GameState& game);

}  // namespace engine
