#pragma once
// Compares every pixel of a bitmap with the colour a rule expects there, naming the first
// pixel that differs.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/bitmap.h"

namespace platform::checks {

template <typename Expected>
::testing::AssertionResult PixelsMatch(const Bitmap& b, Expected expected) {
  int wrong = 0;
  char first[96] = "";
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const TColor want = expected(x, y);
      const TColor got = b.Pixel(x, y);
      if (got != want && wrong++ == 0)
        std::snprintf(first, sizeof first, "(%d, %d) is $%06X, expected $%06X", x, y, got, want);
    }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixel(s) differ; first " << first;
}

// A background in which every pixel has its own colour, so any stray write shows.
inline TColor PatternAt(int x, int y) {
  return RgbColor(std::uint8_t(x * 7 + 3), std::uint8_t(y * 11 + 5), std::uint8_t((x + y) * 3 + 1));
}

inline Bitmap PatternBitmap(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, PatternAt(x, y));
  b.TakeDirty();
  return b;
}

inline bool Contains(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace platform::checks
