// Pixel geometry: which cell a pixel of the board picture belongs to, and where the board
// panel sits in the main window.
#include <gtest/gtest.h>

#include "engine/geometry.h"

namespace {

using engine::Cell;
using engine::PixelToCell;

TEST(Geometry, PixelToCellOnTheNamedPixels) {
  struct Case {
    int x, y;
    Cell cell;
  };
  const Case cases[] = {
      {0, 0, {0, 0}}, {31, 31, {0, 0}}, {32, 32, {1, 1}}, {62, 62, {1, 1}}, {217, 217, {6, 6}},
      {589, 372, {18, 11}}, {63, 0, {2, 0}}, {0, 93, {0, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PixelToCell(c.x, c.y), c.cell) << "(" << c.x << ", " << c.y << ")";
  }
}

TEST(Geometry, EveryPixelOfTheLargestPictureGoesToTheCellOnItsLeftBorderOrInterior) {
  // Pixel 0 belongs to cell 0; any other pixel p to cell (p - 1) / 31: a cell owns its 30
  // interior pixels and the grid line on its right (bottom) side.
  auto expected = [](int p) { return p == 0 ? 0 : (p - 1) / 31; };
  for (int p = 0; p < 590; ++p) ASSERT_EQ(PixelToCell(p, 0).X, expected(p)) << "column " << p;
  for (int p = 0; p < 373; ++p) ASSERT_EQ(PixelToCell(0, p).Y, expected(p)) << "row " << p;
}

TEST(Geometry, BoardPanelIsCentredAboveTheStatusBars) {
  struct Case {
    int clientW, clientH, w, h;
    platform::Rect rect;
  };
  const Case cases[] = {
      {632, 434, 218, 218, {207, 89, 425, 307}},   // 7 × 7 in the main window
      {632, 434, 590, 373, {21, 11, 611, 384}},    // 19 × 12: (434 - 373 - 38) / 2 = 11
      {632, 434, 94, 94, {269, 151, 363, 245}},    // 3 × 3
      {101, 400, 590, 373, {-244, -5, 346, 368}},  // too small a window: division truncates toward zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::BoardPanelRect(c.clientW, c.clientH, c.w, c.h), c.rect) << c.w << " x " << c.h;
  }
}

}  // namespace
