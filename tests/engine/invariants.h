#pragma once
// Rules that hold between any two steps of a game, whatever was played: every bubble sits in
// the slot of its own cell with a consistent animation state, a selection names a bubble of
// the mover, the counts of a board at rest are exact, and the grid on the picture is intact.
#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "engine/play_plane.h"
#include "tests/engine/picture_check.h"

namespace testing_display {

// The largest frame counter each animation state reaches.
inline int MaxFrame(std::uint8_t state) {
  switch (state) {
    case engine::asGrowing:
    case engine::asVanishing: return engine::kGrowSteps;
    case engine::asTurning: return engine::kTurnSteps;
    case engine::asPulsing: return 5;
    default: return 0;
  }
}

inline ::testing::AssertionResult BubblesConsistent(const engine::TPlayPlane& board) {
  for (int slot = 0; slot < int(board.FCells.size()); ++slot) {
    const engine::TBubble* b = board.FCells[std::size_t(slot)].get();
    if (!b) continue;
    const int x = slot % board.FSizeX, y = slot / board.FSizeX;
    auto fail = [&] { return ::testing::AssertionFailure() << "bubble in slot " << slot << " (" << x << ", " << y << "): "; };
    if (b->FX != x || b->FY != y) return fail() << "FX, FY = " << b->FX << ", " << b->FY;
    if (b->FOwner > engine::kGreen) return fail() << "owner " << int(b->FOwner);
    if (b->FState > engine::asIdle) return fail() << "state " << int(b->FState);
    if (b->FState == engine::asTurning) {
      if (b->FTurnFrom != b->Opponent()) return fail() << "turning from " << int(b->FTurnFrom) << " to " << int(b->FOwner);
    } else if (b->FTurnFrom != engine::kNoOwner) {
      return fail() << "FTurnFrom " << int(b->FTurnFrom) << " in state " << int(b->FState);
    }
    if (b->FState == engine::asIdle && b->FFrame != 0) return fail() << "idle with frame " << b->FFrame;
    if (b->FFrame < 0 || b->FFrame > MaxFrame(b->FState))
      return fail() << "frame " << b->FFrame << " in state " << int(b->FState);
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SelectionConsistent(const engine::TPlayPlane& board) {
  if (!board.FSelected) return ::testing::AssertionSuccess();
  const engine::TBubble* b = board.OnBoard(board.FSelX, board.FSelY) ? board.BubbleAt(board.FSelX, board.FSelY) : nullptr;
  if (!b || b->FOwner != board.FPlayer)
    return ::testing::AssertionFailure() << "selection at (" << board.FSelX << ", " << board.FSelY
                                         << ") holds no bubble of the player to move";
  return ::testing::AssertionSuccess();
}

// After a tick at rest the status has just recounted, so the counts must be exact.
inline ::testing::AssertionResult CountsExact(const engine::GameState& game) {
  int blue = 0, green = 0;
  for (const auto& b : game.Plane->FCells)
    if (b) (b->FOwner == engine::kBlue ? blue : green)++;
  if (game.BlueCount != blue || game.GreenCount != green || game.TotalCount != blue + green)
    return ::testing::AssertionFailure() << "counts " << game.BlueCount << "/" << game.GreenCount << "/"
                                         << game.TotalCount << ", board holds " << blue << "/" << green;
  return ::testing::AssertionSuccess();
}

// Every grid pixel is black, except the border of the selected cell, which is red.
inline ::testing::AssertionResult GridIntact(const engine::TPlayPlane& board, const platform::Bitmap& image) {
  auto wanted = [&](int x, int y) {
    return board.FSelected && OnCellBorder(x, y, board.FSelX, board.FSelY) ? platform::clRed : platform::clBlack;
  };
  auto failure = [&](int x, int y) {
    return ::testing::AssertionFailure() << "grid pixel (" << x << ", " << y << ") is $" << std::hex
                                         << image.Pixel(x, y) << ", expected $" << wanted(x, y);
  };
  for (int x = 0; x < image.Width(); x += 31)
    for (int y = 0; y < image.Height(); ++y)
      if (image.Pixel(x, y) != wanted(x, y)) return failure(x, y);
  for (int y = 0; y < image.Height(); y += 31)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != wanted(x, y)) return failure(x, y);
  return ::testing::AssertionSuccess();
}

// Everything above. Right after a Tick that ended at rest nothing grows, vanishes or turns
// and the status has just recounted; between a click and the next Tick AllIdle still tells
// of the last Tick, so that part is checked only when justTicked is set.
inline ::testing::AssertionResult InvariantsHold(const engine::GameState& game, bool justTicked, bool withPicture = true) {
  const engine::TPlayPlane& board = *game.Plane;
  if (auto r = BubblesConsistent(board); !r) return r;
  if (auto r = SelectionConsistent(board); !r) return r;
  if (justTicked && game.AllIdle) {
    for (const auto& b : board.FCells)
      if (b && b->FState != engine::asIdle && b->FState != engine::asPulsing)
        return ::testing::AssertionFailure() << "at rest, yet (" << b->FX << ", " << b->FY << ") animates";
    if (auto r = CountsExact(game); !r) return r;
  }
  if (withPicture) return GridIntact(board, *game.display.image);
  return ::testing::AssertionSuccess();
}

}  // namespace testing_display
