#pragma once
// A headless display for driving the game in tests: plain bitmaps and status-bar models, and
// image lists whose frames are told apart by colour (see FrameColour).
#include <array>
#include <functional>
#include <memory>
#include <ostream>
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
  void ShowGameOver() override {
    ++gameOvers;
    if (onGameOver) onGameOver();
  }
  std::function<void()> onGameOver;  // lets a test look at the game at that moment
};

// What fills the 30×30 interior of a cell: frame `index` of list `list` (1 to 4); list 0 for
// the marker colour that MarkCell paints (so nothing was drawn since); list -1 for anything
// else (grey, mixed pixels, a colour that is no frame).
struct Shown {
  int list = -1;
  int index = -1;
  bool operator==(const Shown&) const = default;
};
inline void PrintTo(const Shown& s, std::ostream* os) {
  if (s.list == 0) *os << "nothing drawn";
  else if (s.list < 0) *os << "no frame";
  else *os << "list " << s.list << " frame " << s.index;
}
constexpr Shown kNothingDrawn{0, 0};

constexpr platform::TColor kMarker = platform::RgbColor(255, 0, 255);

// Paints the interior of cell (x, y) in the marker colour, which no frame uses.
inline void MarkCell(platform::Bitmap& image, int x, int y) {
  image.Fill({31 * x + 1, 31 * y + 1, 31 * x + 31, 31 * y + 31}, kMarker);
}

// Which frame, if any, fills the interior of cell (x, y) of the board picture.
inline Shown ShownIn(const platform::Bitmap& image, int x, int y) {
  const platform::TColor c = image.Pixel(31 * x + 1, 31 * y + 1);
  for (int py = 31 * y + 1; py <= 31 * y + 30; ++py)
    for (int px = 31 * x + 1; px <= 31 * x + 30; ++px)
      if (image.Pixel(px, py) != c) return {};
  if (c == kMarker) return kNothingDrawn;
  for (int list = 1; list <= 4; ++list)
    for (int index = 0; index < 25; ++index)
      if (c == FrameColour(list, index)) return {list, index};
  return {};
}

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
  engine::TBubble* at(int x, int y) { return game.Plane->BubbleAt(x, y); }
  platform::Bitmap& image() { return display.image; }
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
  // Places a bubble at rest; it takes its snapshots of the board now.
  engine::TBubble& AddSettled(int x, int y, engine::Player owner) {
    auto b = std::make_unique<engine::TBubble>(board(), x, y, owner, false);
    b->Settle();
    game.Plane->PutBubble(std::move(b));
    return *at(x, y);
  }
  // Places a new bubble at the start of its growth; it takes its snapshots of the board now.
  engine::TBubble& AddGrowing(int x, int y, engine::Player owner, bool loaded = false) {
    game.Plane->PutBubble(std::make_unique<engine::TBubble>(board(), x, y, owner, loaded));
    return *at(x, y);
  }
};

}  // namespace testing_display
