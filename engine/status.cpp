#include "engine/status.h"

#include "engine/play_plane.h"

namespace engine {

int BlueShare(int blueCount, int totalCount) {
  // A loaded file may hold no bubble at all; both shares then read 0.
  if (totalCount <= 0) return 0;
  return int((long long)blueCount * 100 / totalCount);
}

std::string CountWithShare(int count, int share) {
  return std::to_string(count) + "     ( " + std::to_string(share) + "% )";
}

void ShowStatus(GameState& game) {
  CountBubbles(game);
  platform::StatusBarModel& bar = *game.display.statusBar1;
  const int share = BlueShare(game.BlueCount, game.TotalCount);
  const int greenShare = game.TotalCount > 0 ? 100 - share : 0;
  bar.SetPanelText(0, CountWithShare(game.BlueCount, share));
  bar.SetPanelText(1, CountWithShare(game.GreenCount, greenShare));
  bar.SetPanelText(2, std::to_string(game.TotalCount));
  bar.SetPanelText(3, std::to_string(game.RoundNo));
}

void DrawIndicator(GameState& game, Player player) {
  game.display.lists->ImageList4.Draw(*game.display.indicator, 0, 0, player);
  game.display.host->RepaintIndicator();
}

void ShowTurn(GameState& game, Player player) {
  game.display.statusBar2->SetColor(player == kBlue ? platform::clBlueToMove : platform::clGreenToMove);
  DrawIndicator(game, player);
}

}  // namespace engine
