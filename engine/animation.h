#pragma once
// The random pulses of bubbles at rest, and when a board rests.
#include "engine/game_state.h"

namespace engine {

// Picks a random cell and, when the board is at rest and the cell holds a bubble that is
// idle or pulsing, (re)starts its pulse. Run every 100 ms.
void StartRandomPulse(GameState& game);

// How many of the coming steps of the board are sure to show nothing new: while nothing
// grows, vanishes or changes colour and no end of turn or of the game is pending, a step only
// moves the pulses on, and it shows nothing as long as each pulse draws nothing or the same
// picture as in the step before. 0 when the next step may show something (or there is no
// board); kForever when no step will, because the pulses run out unseen or none is running.
// Only a click, a new pulse or a new board changes the count other than by the steps made.
// A pulse that has just started counts as showing nothing yet, so its first picture always
// counts as new, whatever the cell shows.
constexpr int kForever = 1 << 30;
int QuietSteps(const GameState& game);
// True when no step will change anything: nothing animates or pulses, nothing is pending.
bool BoardRests(const GameState& game);

}  // namespace engine
