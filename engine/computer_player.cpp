#include "engine/computer_player.h"

#include <vector>

#include "engine/play_plane.h"
#include "platform/random.h"

namespace engine {

bool TossCoin() { return platform::Random(10000) / 100 < 50; }

int TBubble::ScoreTarget(int X, int Y) {
  ProbeCell(X, Y);
  int value = 0;
  for (std::uint8_t owner : FProbe)
    if (owner == Opponent()) ++value;
  std::uint8_t adjacent = 0;
  if (TargetKind(X, Y, adjacent) && adjacent == 1) ++value;  // a clone keeps the old bubble
  return value;
}

void TBubble::BestTarget(int& TargetX, int& TargetY, int& Gain) {
  TargetX = TargetY = -1;
  Gain = 0;
  int best = 0;
  for (int x = FX - 2; x <= FX + 2; ++x)
    for (int y = FY - 2; y <= FY + 2; ++y) {
      if (!board_.OnBoard(x, y) || board_.BubbleAt(x, y)) continue;
      const int value = ScoreTarget(x, y);
      if (value == best && TossCoin()) {
        TargetX = x;
        TargetY = y;
        Gain = value;
      }
      if (value > best) {
        best = value;
        TargetX = x;
        TargetY = y;
        Gain = value;
      }
    }
}

std::optional<Cell> IndexToCell(const GameState& game, int Slot) {
  if (!game.Plane) return std::nullopt;
  const int y = Slot / game.Plane->FSizeX;
  return Cell{Slot - y * game.Plane->FSizeX, y};
}

std::optional<ComputerChoice> ChooseComputerMove(GameState& game) {
  TPlayPlane* board = game.Plane.get();
  if (!board) return std::nullopt;

  // One candidate per Green bubble, column by column.
  std::vector<TCandidate> candidates;
  candidates.reserve(std::size_t(game.GreenCount > 0 ? game.GreenCount : 0));
  for (int x = 0; x < board->FSizeX; ++x)
    for (int y = 0; y < board->FSizeY; ++y) {
      TBubble* bubble = board->BubbleAt(x, y);
      if (!bubble || bubble->FOwner != kGreen) continue;
      TCandidate c;
      bubble->BestTarget(c.Target.X, c.Target.Y, c.Gain);
      c.Slot = board->CellIndex(x, y);
      candidates.push_back(c);
    }

  const TCandidate* chosen = nullptr;
  int best = 0;
  for (const TCandidate& c : candidates) {
    if (c.Target == Cell{-1, -1}) continue;
    if (c.Gain == best && TossCoin()) chosen = &c;
    if (c.Gain > best) {
      best = c.Gain;
      chosen = &c;
    }
  }
  if (!chosen) return std::nullopt;
  return ComputerChoice{*IndexToCell(game, chosen->Slot), chosen->Target};
}

}  // namespace engine
