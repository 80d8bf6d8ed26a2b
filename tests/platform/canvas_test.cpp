#include "platform/canvas.h"

#include <gtest/gtest.h>

#include "tests/platform/pixel_check.h"

namespace platform {
namespace {

using checks::Contains;
using checks::PatternAt;
using checks::PatternBitmap;
using checks::PixelsMatch;

constexpr TColor kPen = clRed;
constexpr TColor kBrush = clBlueJump;

const char* NameOf(BrushStyle s) {
  switch (s) {
    case BrushStyle::bsSolid: return "bsSolid";
    case BrushStyle::bsClear: return "bsClear";
    case BrushStyle::bsDiagCross: return "bsDiagCross";
  }
  return "?";
}

// What the brush leaves at (x, y) over the pattern background.
TColor Brushed(BrushStyle s, int x, int y) {
  switch (s) {
    case BrushStyle::bsSolid: return kBrush;
    case BrushStyle::bsClear: return PatternAt(x, y);
    case BrushStyle::bsDiagCross: return Canvas::OnDiagCross(x, y) ? kBrush : PatternAt(x, y);
  }
  return PatternAt(x, y);
}

const BrushStyle kStyles[] = {BrushStyle::bsSolid, BrushStyle::bsClear, BrushStyle::bsDiagCross};

// Rectangles on a 20 x 16 bitmap: ordinary, tiny, degenerate and partly or wholly off the bitmap.
const Rect kRects[] = {
    {3, 4, 13, 12},      // ordinary
    {5, 5, 6, 6},        // a single pixel
    {5, 5, 7, 7},        // all outline, no inside
    {5, 5, 5, 10},       // no width
    {5, 5, 9, 5},        // no height
    {9, 9, 4, 4},        // right and bottom before left and top
    {-3, -2, 6, 5},      // off the top-left corner
    {14, 10, 25, 30},    // off the bottom-right corner
    {-5, -5, 25, 21},    // outline wholly outside, inside covering everything
    {-1, -1, 21, 17},    // outline just outside every edge
    {20, 0, 30, 16},     // just right of the bitmap
    {-8, -8, 0, 0},      // ending at the origin
};

TEST(CanvasTest, RectangleDrawsOutlineAndBrushedInsideClippedToTheBitmap) {
  for (const Rect& r : kRects) {
    for (BrushStyle style : kStyles) {
      SCOPED_TRACE(::testing::Message() << NameOf(style) << " Rectangle(" << r.left << ", " << r.top << ", "
                                        << r.right << ", " << r.bottom << ")");
      Bitmap b = PatternBitmap(20, 16);
      Canvas c(b);
      c.PenColor = kPen;
      c.BrushColor = kBrush;
      c.Style = style;
      c.Rectangle(r);
      EXPECT_TRUE(PixelsMatch(b, [&](int x, int y) {
        if (!Contains(r, x, y)) return PatternAt(x, y);
        const bool outline = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
        return outline ? kPen : Brushed(style, x, y);
      }));
      // Whatever changed lies in the dirty rectangle, which stays within the visible part.
      const Rect visible = r.Intersected(b.Bounds());
      EXPECT_EQ(b.Dirty().United(visible), visible);
      EXPECT_TRUE(PixelsMatch(b, [&](int x, int y) {
        return Contains(b.Dirty(), x, y) ? b.Pixel(x, y) : PatternAt(x, y);
      }));
    }
  }
}

TEST(CanvasTest, FillRectBrushesEdgesTooAndDrawsNoOutline) {
  for (const Rect& r : kRects) {
    for (BrushStyle style : kStyles) {
      SCOPED_TRACE(::testing::Message() << NameOf(style) << " FillRect(" << r.left << ", " << r.top << ", "
                                        << r.right << ", " << r.bottom << ")");
      Bitmap b = PatternBitmap(20, 16);
      Canvas c(b);
      c.PenColor = kPen;
      c.BrushColor = kBrush;
      c.Style = style;
      c.FillRect(r);
      EXPECT_TRUE(PixelsMatch(b, [&](int x, int y) { return Contains(r, x, y) ? Brushed(style, x, y) : PatternAt(x, y); }));
    }
  }
}

TEST(CanvasTest, DiagonalCrossIsARegularPatternOfFullDiagonalLinesBothWays) {
  // Every hatched pixel lies on a full 45-degree line through a whole 8 x 8 cell, running down
  // to the right or up to the right; both directions occur; and the pattern repeats every 8 pixels.
  auto onLine = [](int x, int y, int dy) {
    for (int k = -8; k <= 8; ++k)
      if (!Canvas::OnDiagCross(x + k, y + k * dy)) return false;
    return true;
  };
  int hatched = 0, fallingLines = 0, risingLines = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      SCOPED_TRACE(::testing::Message() << "(" << x << ", " << y << ")");
      const bool on = Canvas::OnDiagCross(x + 8, y + 8);
      EXPECT_EQ(Canvas::OnDiagCross(x + 16, y + 8), on);
      EXPECT_EQ(Canvas::OnDiagCross(x + 8, y + 16), on);
      if (!on) continue;
      ++hatched;
      const bool falling = onLine(x + 8, y + 8, 1);
      const bool rising = onLine(x + 8, y + 8, -1);
      EXPECT_TRUE(falling || rising);
      fallingLines += falling;
      risingLines += rising;
    }
  }
  EXPECT_GT(fallingLines, 0);
  EXPECT_GT(risingLines, 0);
  // The lines leave most pixels free, so the grey between them shows.
  EXPECT_LE(hatched, 8 * 8 / 2);
  // Each line crosses every row of the cell exactly once.
  EXPECT_EQ(fallingLines % 8, 0);
  EXPECT_EQ(risingLines % 8, 0);
}

}  // namespace
}  // namespace platform
