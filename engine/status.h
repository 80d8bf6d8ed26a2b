#pragma once
// The status bars and the turn indicator: what they say and when their colour changes.
#include <string>

#include "engine/game_state.h"
#include "engine/bubble.h"

namespace engine {

// Recounts the bubbles and writes panels 0 to 3 of the numbers bar.
void ShowStatus(GameState& game);
// Shows player as the one to move: the indicator's large bubble and the caption bar's colour.
void ShowTurn(GameState& game, Player player);
// Draws the indicator picture for the player to move (when the indicator window is shown).
void DrawIndicator(GameState& game, Player player);

// "<count>     ( <share>% )"
std::string CountWithShare(int count, int share);
// Blue's share of all bubbles in whole percent, cut toward zero; 0 when the board is empty.
int BlueShare(int blueCount, int totalCount);

}  // namespace engine
