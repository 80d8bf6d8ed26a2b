#pragma once
// A headless display for driving the game in tests: plain bitmaps and status-bar models, and
// image lists whose frames are told apart by colour (see FrameColour).
#include <memory>
#include <vector>

#include "engine/game_state.h"
#include "engine/play_plane.h"

namespace testing_display {

// The colour that fills frame `index` of list `list` (1 to 4).
inline platform::TColor FrameColour(int list, int index) {
  return platform::RgbColor(std::uint8_t(40 * list), std::uint8_t(10 * index + 1), 200);
}

inline platform::ImageList SolidList(int list, int count, int size) {
  platform::ImageList l(size, size);
  for (int i = 0; i < count; ++i) l.Add(platform::Bitmap(size, size, FrameColour(list, i)));
  return l;
}

struct RecordingHost : engine::BoardHost {
  int placeCalls = 0, boardRepaints = 0, indicatorRepaints = 0, gameOvers = 0;
  int placedWidth = 0, placedHeight = 0;
  void PlaceBoard(int width, int height) override {
    ++placeCalls;
    placedWidth = width;
    placedHeight = height;
  }
  void RepaintBoard() override { ++boardRepaints; }
  void RepaintIndicator() override { ++indicatorRepaints; }
  void ShowGameOver() override { ++gameOvers; }
};

// Owns everything a GameState's display points to.
struct TestDisplay {
  platform::Bitmap image;
  platform::Bitmap indicator{64, 64};
  platform::StatusBarModel statusBar1, statusBar2;
  engine::ImageLists lists{SolidList(1, 25, 30), SolidList(2, 13, 30), SolidList(3, 13, 30), SolidList(4, 2, 64)};
  RecordingHost host;

  void Attach(engine::GameState& game) {
    game.display = {&image, &lists, &statusBar1, &statusBar2, &indicator, &host};
  }
};

// A game with its display and a board of the given size.
struct TestGame {
  TestDisplay display;
  engine::GameState game;
  explicit TestGame(int sizeX = 7, int sizeY = 7) {
    display.Attach(game);
    game.Plane = std::make_unique<engine::TPlayPlane>(game, sizeX, sizeY);
  }
  engine::TPlayPlane& board() { return *game.Plane; }
  // Runs ticks until the board is at rest (at most limit ticks); returns the ticks run.
  int TickUntilIdle(int limit = 1000) {
    for (int n = 1; n <= limit; ++n) {
      game.Plane->Tick();
      if (game.AllIdle) return n;
    }
    return -1;
  }
  // Empties the board, then places settled bubbles: cells is a list of {x, y, owner}.
  void SetPosition(const std::vector<std::array<int, 3>>& cells) {
    for (auto& slot : game.Plane->FCells) slot.reset();
    for (const auto& c : cells) {
      auto b = std::make_unique<engine::TBubble>(board(), c[0], c[1], engine::Player(c[2]), false);
      b->Settle();
      game.Plane->PutBubble(std::move(b));
    }
    engine::CountBubbles(game);
  }
};

}  // namespace testing_display
