#pragma once
// Pixel checks on the board picture: compare every pixel with a rule, and the rules for the
// grid, a hatched cell and a framed cell.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace testing_display {

using PixelRule = std::function<platform::TColor(int x, int y)>;

// Compares every pixel of the picture with the rule, naming the first one that differs.
inline ::testing::AssertionResult PictureMatches(const platform::Bitmap& b, const PixelRule& expected) {
  int wrong = 0;
  char first[96] = "";
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const platform::TColor want = expected(x, y);
      const platform::TColor got = b.Pixel(x, y);
      if (got != want && wrong++ == 0)
        std::snprintf(first, sizeof first, "(%d, %d) is $%06X, expected $%06X", x, y, got, want);
    }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixel(s) differ; first " << first;
}

inline bool SamePicture(const platform::Bitmap& a, const platform::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// Grid lines run along every multiple of 31, across and down.
inline bool OnGridLine(int x, int y) { return x % 31 == 0 || y % 31 == 0; }

// The cell whose interior holds a pixel that is not on a grid line.
inline int InteriorCell(int p) { return (p - 1) / 31; }

// Whether a pixel lies on the border of the 32×32 square of cell (cx, cy).
inline bool OnCellBorder(int x, int y, int cx, int cy) {
  const int l = 31 * cx, t = 31 * cy, r = l + 31, b = t + 31;
  const bool inside = x >= l && x <= r && y >= t && y <= b;
  return inside && (x == l || x == r || y == t || y == b);
}

// A hatched interior pixel: the hatch colour on the diagonal cross, grey between its lines.
inline platform::TColor HatchPixel(int x, int y, platform::TColor colour) {
  return platform::Canvas::OnDiagCross(x, y) ? colour : platform::clBoard;
}

}  // namespace testing_display
