#pragma once
// The random pulses of bubbles at rest, and when a board rests.
#include "engine/game_state.h"

namespace engine {

// Picks a random cell and, when the board is at rest and the cell holds a bubble that is
// idle or pulsing, (re)starts its pulse. Run every 100 ms.
void StartRandomPulse(GameState& game);

// True when a step of the board would change nothing: it exists, nothing grew, vanished or
// changed colour in the last step, no bubble is pulsing and no end of turn or of the game is
// pending. Only a click, a pulse or a new board ends such a rest.
bool BoardRests(const GameState& game);

}  // namespace engine
