// The board picture, pixel by pixel: the grid of a new board, a hatched cell, a framed cell,
// and the highlights of a selected bubble and their erasure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/play_plane.h"
#include "tests/engine/picture_check.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using platform::TColor;
using testing_display::HatchPixel;
using testing_display::InteriorCell;
using testing_display::OnCellBorder;
using testing_display::OnGridLine;
using testing_display::PictureMatches;
using testing_display::TestGame;

TColor GridOnGrey(int x, int y) { return OnGridLine(x, y) ? platform::clBlack : platform::clBoard; }

TEST(BoardCanvas, NewBoardIsGreyUnderABlackGrid) {
  const std::array<std::array<int, 2>, 5> sizes = {{{7, 7}, {19, 12}, {3, 3}, {19, 3}, {3, 12}}};
  for (auto [sx, sy] : sizes) {
    SCOPED_TRACE(std::to_string(sx) + " x " + std::to_string(sy));
    TestGame g(sx, sy);
    EXPECT_EQ(g.display.host.placedWidth, sx * 31 + 1);
    EXPECT_EQ(g.display.host.placedHeight, sy * 31 + 1);
    ASSERT_EQ(g.image().Width(), sx * 31 + 1);
    ASSERT_EQ(g.image().Height(), sy * 31 + 1);
    EXPECT_TRUE(PictureMatches(g.image(), GridOnGrey));
  }
}

TEST(BoardCanvas, LargestBoardEndsWithGridLinesAtColumn589AndRow372) {
  TestGame g(19, 12);
  ASSERT_EQ(g.image().Width(), 590);
  ASSERT_EQ(g.image().Height(), 373);
  for (int y = 0; y < 373; ++y) {
    EXPECT_EQ(g.image().Pixel(589, y), platform::clBlack) << y;
    EXPECT_EQ(g.image().Pixel(0, y), platform::clBlack) << y;
  }
  for (int x = 0; x < 590; ++x) EXPECT_EQ(g.image().Pixel(x, 372), platform::clBlack) << x;
  EXPECT_EQ(g.image().Pixel(588, 371), platform::clBoard);
  EXPECT_EQ(g.image().Pixel(559, 342), platform::clBoard);
}

// A picture in which every pixel has its own colour, so any stray write shows.
TColor PatternAt(int x, int y) {
  return platform::RgbColor(std::uint8_t(x * 7 + 3), std::uint8_t(y * 11 + 5), std::uint8_t((x + y) * 3 + 1));
}

void PaintPattern(platform::Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) image.SetPixel(x, y, PatternAt(x, y));
}

bool InSquare(int x, int y, int cx, int cy) { return x >= 31 * cx && x <= 31 * cx + 31 && y >= 31 * cy && y <= 31 * cy + 31; }

TEST(BoardCanvas, HatchCellPaintsTheSquareGreyThenBorderAndDiagonalCrossInTheColour) {
  struct Case {
    int x, y;
    TColor colour;
  };
  const Case cases[] = {
      {3, 3, platform::clBlueClone}, {0, 0, platform::clBlueJump}, {6, 6, platform::clGreenClone},
      {6, 0, platform::clGreenJump}, {2, 5, platform::clBoard},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("cell (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
    TestGame g(7, 7);
    PaintPattern(g.image());
    const int repaints = g.display.host.boardRepaints;
    g.board().HatchCell(c.x, c.y, c.colour);
    EXPECT_TRUE(PictureMatches(g.image(), [&](int x, int y) {
      if (!InSquare(x, y, c.x, c.y)) return PatternAt(x, y);
      if (OnCellBorder(x, y, c.x, c.y)) return c.colour;
      return HatchPixel(x, y, c.colour);
    }));
    EXPECT_EQ(g.display.host.boardRepaints, repaints);
  }
}

TEST(BoardCanvas, FrameCellChangesTheBorderPixelsOnly) {
  TestGame g(7, 7);
  PaintPattern(g.image());
  const int repaints = g.display.host.boardRepaints;
  g.board().FrameCell(2, 3, platform::clRed);
  EXPECT_TRUE(PictureMatches(g.image(), [](int x, int y) {
    return OnCellBorder(x, y, 2, 3) ? platform::clRed : PatternAt(x, y);
  }));
  EXPECT_EQ(g.display.host.boardRepaints, repaints + 1);
}

// The picture while the bubble at (FSelX, FSelY) is highlighted, or after its highlights were
// erased: bubble cells keep the marker they were given, empty cells within two steps are
// hatched (light next to the bubble, dark two steps away), the rest is grey, the grid black
// but for the selected cell's red border.
testing_display::PixelRule SelectionPicture(const engine::TPlayPlane& b, bool highlighted, TColor clone, TColor jump) {
  return [&b, highlighted, clone, jump](int x, int y) {
    if (OnGridLine(x, y))
      return highlighted && OnCellBorder(x, y, b.FSelX, b.FSelY) ? platform::clRed : platform::clBlack;
    const int cx = InteriorCell(x), cy = InteriorCell(y);
    if (b.BubbleAt(cx, cy)) return testing_display::kMarker;
    const int distance = std::max(std::abs(cx - b.FSelX), std::abs(cy - b.FSelY));
    if (!highlighted || distance > 2) return platform::clBoard;
    return HatchPixel(x, y, distance == 1 ? clone : jump);
  };
}

void MarkBubbleCells(TestGame& g) {
  for (const auto& b : g.board().FCells)
    if (b) testing_display::MarkCell(g.image(), b->FX, b->FY);
}

TEST(BoardCanvas, SelectingTheCornerBubbleHatchesItsEightTargets) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  MarkBubbleCells(g);
  const int repaints = g.display.host.boardRepaints;
  g.board().Click(0, 0);
  ASSERT_TRUE(g.board().FSelected);
  EXPECT_GT(g.display.host.boardRepaints, repaints);

  // The cells named one by one, independent of any distance rule.
  auto kind = [](int cx, int cy) {
    const std::vector<std::array<int, 2>> light = {{1, 0}, {0, 1}, {1, 1}};
    const std::vector<std::array<int, 2>> dark = {{2, 0}, {2, 1}, {2, 2}, {0, 2}, {1, 2}};
    if (std::find(light.begin(), light.end(), std::array<int, 2>{cx, cy}) != light.end()) return 1;
    if (std::find(dark.begin(), dark.end(), std::array<int, 2>{cx, cy}) != dark.end()) return 2;
    return 0;
  };
  EXPECT_TRUE(PictureMatches(g.image(), [&](int x, int y) {
    if (OnGridLine(x, y)) return OnCellBorder(x, y, 0, 0) ? platform::clRed : platform::clBlack;
    const int cx = InteriorCell(x), cy = InteriorCell(y);
    if (g.at(cx, cy)) return testing_display::kMarker;
    switch (kind(cx, cy)) {
      case 1: return HatchPixel(x, y, platform::clBlueClone);
      case 2: return HatchPixel(x, y, platform::clBlueJump);
      default: return platform::clBoard;
    }
  }));

  g.board().Click(0, 0);
  ASSERT_FALSE(g.board().FSelected);
  EXPECT_TRUE(PictureMatches(g.image(), SelectionPicture(g.board(), false, 0, 0)));
}

TEST(BoardCanvas, HighlightsCoverEveryEmptyCellInReachAndAreErasedCompletely) {
  struct Case {
    const char* name;
    int sizeX, sizeY;
    std::vector<std::array<int, 3>> position;  // empty: the starting bubbles
    engine::Player mover;
    int selX, selY;
    TColor clone, jump;
  };
  const Case cases[] = {
      {"Green in the middle among other bubbles", 7, 7,
       {{3, 3, kGreen}, {4, 4, kBlue}, {1, 2, kGreen}, {2, 4, kBlue}, {5, 1, kGreen}, {6, 6, kBlue}, {0, 0, kBlue}},
       kGreen, 3, 3, platform::clGreenClone, platform::clGreenJump},
      {"Blue in the far corner of the largest board", 19, 12, {}, kBlue, 18, 11, platform::clBlueClone,
       platform::clBlueJump},
      {"Green next to the top edge, neighbours hatched share black borders", 9, 5, {{4, 0, kGreen}, {0, 4, kBlue}},
       kGreen, 4, 0, platform::clGreenClone, platform::clGreenJump},
      {"Blue one cell in from a corner", 7, 7, {{1, 1, kBlue}, {0, 0, kGreen}, {3, 2, kGreen}}, kBlue, 1, 1,
       platform::clBlueClone, platform::clBlueJump},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(c.sizeX, c.sizeY);
    if (!c.position.empty()) g.SetPosition(c.position);
    g.board().FPlayer = c.mover;
    MarkBubbleCells(g);
    g.board().Click(c.selX, c.selY);
    ASSERT_TRUE(g.board().FSelected);
    EXPECT_TRUE(PictureMatches(g.image(), SelectionPicture(g.board(), true, c.clone, c.jump)));
    g.board().Click(c.selX, c.selY);
    ASSERT_FALSE(g.board().FSelected);
    EXPECT_TRUE(PictureMatches(g.image(), SelectionPicture(g.board(), false, 0, 0)));
  }
}

TEST(BoardCanvas, MoveErasesTheHighlightsBeforeTheNewBubbleGrows) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  MarkBubbleCells(g);
  g.board().Click(0, 0);
  g.board().Click(2, 1);  // a jump into a hatched cell
  // The new bubble has drawn nothing yet; its cell was erased to grey like every other target.
  EXPECT_TRUE(PictureMatches(g.image(), [&](int x, int y) {
    if (OnGridLine(x, y)) return platform::clBlack;
    const int cx = InteriorCell(x), cy = InteriorCell(y);
    if (g.at(cx, cy) && !(cx == 2 && cy == 1)) return testing_display::kMarker;
    return platform::clBoard;
  }));
}

}  // namespace
