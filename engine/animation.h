#pragma once
// The random pulses of bubbles at rest.
#include "engine/game_state.h"

namespace engine {

// Picks a random cell and, when the board is at rest and the cell holds a bubble that is
// idle or pulsing, (re)starts its pulse. Run every 100 ms.
void StartRandomPulse(GameState& game);

}  // namespace engine
