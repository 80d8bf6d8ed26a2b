#pragma once
// A random player's clicks: a third anywhere on the board (empty cells out of reach, the
// opponent's bubbles, its own bubbles that cannot move), otherwise an own bubble when nothing
// is selected, or a cell near the selection (the selection itself included).
#include <algorithm>
#include <random>
#include <vector>

#include "engine/geometry.h"
#include "engine/play_plane.h"

namespace testing_display {

inline engine::Cell RandomClick(const engine::TPlayPlane& board, std::mt19937& rng) {
  auto pick = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
  if (pick(3) == 0) return {pick(board.FSizeX), pick(board.FSizeY)};
  if (!board.FSelected) {
    std::vector<engine::Cell> own;
    for (const auto& b : board.FCells)
      if (b && b->FOwner == board.FPlayer) own.push_back({b->FX, b->FY});
    if (own.empty()) return {pick(board.FSizeX), pick(board.FSizeY)};
    return own[std::size_t(pick(int(own.size())))];
  }
  const int reach = pick(3) == 0 ? 2 : 1;  // mostly clones, so that games fill the board
  const int x = std::clamp(board.FSelX + pick(2 * reach + 1) - reach, 0, board.FSizeX - 1);
  const int y = std::clamp(board.FSelY + pick(2 * reach + 1) - reach, 0, board.FSizeY - 1);
  return {x, y};
}

}  // namespace testing_display
