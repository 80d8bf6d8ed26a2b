#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include "tests/platform/pixel_check.h"

namespace platform {
namespace {

using checks::Contains;
using checks::PatternAt;
using checks::PatternBitmap;
using checks::PixelsMatch;

TEST(BitmapTest, NewAndResizedBitmapsAreWhollyDirty) {
  Bitmap b(6, 4, clRed);
  EXPECT_EQ(b.Dirty(), (Rect{0, 0, 6, 4}));
  EXPECT_TRUE(PixelsMatch(b, [](int, int) { return clRed; }));

  b.TakeDirty();
  b.SetSize(3, 5);
  EXPECT_EQ(b.Dirty(), (Rect{0, 0, 3, 5}));
  EXPECT_TRUE(PixelsMatch(b, [](int, int) { return clBlack; }));
}

TEST(BitmapTest, WritesWidenTheDirtyRectangleAndTakeDirtyClearsIt) {
  Bitmap b(20, 10);
  EXPECT_EQ(b.TakeDirty(), (Rect{0, 0, 20, 10}));
  EXPECT_TRUE(b.Dirty().Empty());

  b.SetPixel(3, 4, clRed);
  EXPECT_EQ(b.Dirty(), (Rect{3, 4, 4, 5}));
  b.SetPixel(10, 2, clRed);
  EXPECT_EQ(b.Dirty(), (Rect{3, 2, 11, 5}));

  // Writes that miss the bitmap leave the dirty rectangle alone; a fill counts only its visible part.
  b.SetPixel(-1, 4, clRed);
  b.SetPixel(20, 4, clRed);
  b.Fill({30, 0, 40, 5}, clRed);
  EXPECT_EQ(b.Dirty(), (Rect{3, 2, 11, 5}));
  b.Fill({15, -5, 25, 1}, clRed);
  EXPECT_EQ(b.Dirty(), (Rect{3, 0, 20, 5}));

  EXPECT_EQ(b.TakeDirty(), (Rect{3, 0, 20, 5}));
  EXPECT_TRUE(b.TakeDirty().Empty());
  b.SetPixel(0, 9, clRed);
  EXPECT_EQ(b.TakeDirty(), (Rect{0, 9, 1, 10}));
}

TEST(BitmapTest, FillPaintsOnlyTheVisiblePartOfTheRectangle) {
  Bitmap b = PatternBitmap(8, 6);
  const Rect r{-2, 3, 4, 9};
  b.Fill(r, clRed);
  EXPECT_TRUE(PixelsMatch(b, [&](int x, int y) { return Contains(r, x, y) ? clRed : PatternAt(x, y); }));
  EXPECT_EQ(b.Dirty(), (Rect{0, 3, 4, 6}));
}

TEST(BitmapTest, BlitCopiesTheOverlapOnly) {
  const Bitmap src = PatternBitmap(5, 4);
  struct Case {
    int x, y;
    Rect visible;
  };
  const Case cases[] = {
      {2, 1, {2, 1, 7, 5}},     // wholly inside
      {-3, -2, {0, 0, 2, 2}},   // off the top-left corner
      {8, 5, {8, 5, 10, 7}},    // off the bottom-right corner
      {-1, 3, {0, 3, 4, 7}},    // off the left, reaching the bottom
      {10, 0, {}},              // just right of the bitmap
      {0, -4, {}},              // just above the bitmap
      {-20, -20, {}},           // far away
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "blit at (" << c.x << ", " << c.y << ")");
    Bitmap dst(10, 7, clBoard);
    dst.TakeDirty();
    dst.Blit(src, c.x, c.y);
    EXPECT_TRUE(PixelsMatch(dst, [&](int x, int y) {
      return Contains(c.visible, x, y) ? src.Pixel(x - c.x, y - c.y) : clBoard;
    }));
    EXPECT_EQ(dst.Dirty(), c.visible);
  }
}

TEST(BitmapTest, RectUnionAndIntersectionIgnoreEmptyRectangles) {
  const Rect a{1, 2, 5, 6};
  const Rect empty{7, 7, 7, 9};
  EXPECT_EQ(a.United(empty), a);
  EXPECT_EQ(empty.United(a), a);
  EXPECT_EQ(a.United({4, 0, 9, 3}), (Rect{1, 0, 9, 6}));
  EXPECT_EQ(a.Intersected({4, 0, 9, 3}), (Rect{4, 2, 5, 3}));
  EXPECT_TRUE(a.Intersected({5, 2, 9, 6}).Empty());  // touching edges share no pixel
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(BitmapTest, FillingWhatIsAlreadyThereLeavesNothingToRepaint) {
  Bitmap b(10, 8, clBoard);
  b.Fill({2, 2, 6, 5}, clRed);
  b.TakeDirty();
  b.Fill({2, 2, 6, 5}, clRed);
  b.SetPixel(3, 3, clRed);
  EXPECT_TRUE(b.Dirty().Empty());
  // A fill that changes some rows marks only those rows.
  b.Fill({2, 4, 6, 7}, clRed);  // row 4 is red already
  EXPECT_EQ(b.Dirty(), (Rect{2, 5, 6, 7}));
}

TEST(BitmapTest, TheShownCopyReportsOnlyRowsThatReallyChanged) {
  Bitmap picture(10, 8, clBoard);
  Bitmap shown;
  EXPECT_EQ(UpdateShownCopy(picture, shown, picture.TakeDirty()), picture.Bounds());  // first: all of it
  Bitmap frame(4, 3, clRed);
  picture.Blit(frame, 2, 2);
  EXPECT_EQ(UpdateShownCopy(picture, shown, picture.TakeDirty()), (Rect{2, 2, 6, 5}));
  picture.Blit(frame, 2, 2);  // the same frame again
  EXPECT_TRUE(UpdateShownCopy(picture, shown, picture.TakeDirty()).Empty());
  frame.SetPixel(1, 1, clBlack);
  picture.Blit(frame, 2, 2);
  EXPECT_EQ(UpdateShownCopy(picture, shown, picture.TakeDirty()), (Rect{2, 3, 6, 4}));
  EXPECT_TRUE(PixelsMatch(shown, [&](int x, int y) { return picture.Pixel(x, y); }));
}

TEST(BitmapTest, DistantChangesStaySeparateAreasAndOverlappingOnesMerge) {
  Bitmap b(200, 100, clBoard);
  b.TakeDirty();
  Bitmap cell(10, 10, clRed);
  b.Blit(cell, 0, 0);
  b.Blit(cell, 150, 80);
  EXPECT_EQ(b.Dirty(), (Rect{0, 0, 160, 90}));
  EXPECT_EQ(b.DirtyAreas(), (std::vector<Rect>{{0, 0, 10, 10}, {150, 80, 160, 90}}));
  b.Fill({5, 5, 155, 85}, clBlack);  // a fill over both joins them into one
  EXPECT_EQ(b.DirtyAreas(), (std::vector<Rect>{{0, 0, 160, 90}}));
  EXPECT_EQ(b.TakeDirtyAreas(), (std::vector<Rect>{{0, 0, 160, 90}}));
  EXPECT_TRUE(b.Dirty().Empty());
  EXPECT_TRUE(b.DirtyAreas().empty());
  // Past the limit every area becomes the one rectangle around them all.
  const int n = int(Bitmap::kMaxDirtyAreas) + 1;
  for (int i = 0; i < n; ++i) b.SetPixel(20 * i, 90 + i % 2, clRed);
  EXPECT_EQ(b.DirtyAreas(), (std::vector<Rect>{{0, 90, 20 * (n - 1) + 1, 92}}));
  b.TakeDirty();
  EXPECT_TRUE(b.DirtyAreas().empty());
}

TEST(BitmapTest, TheShownCopyOfSeveralAreasReportsEachChangedPartAlone) {
  Bitmap picture(200, 100, clBoard);
  Bitmap shown;
  UpdateShownCopy(picture, shown, picture.TakeDirtyAreas());
  picture.Blit(Bitmap(10, 10, clRed), 0, 0);
  picture.Blit(Bitmap(10, 10, clBoard), 150, 80);  // drawn, but the same as before
  picture.Blit(Bitmap(10, 10, clRed), 100, 40);
  EXPECT_EQ(UpdateShownCopy(picture, shown, picture.TakeDirtyAreas()),
            (std::vector<Rect>{{0, 0, 10, 10}, {100, 40, 110, 50}}));
  EXPECT_TRUE(PixelsMatch(shown, [&](int x, int y) { return picture.Pixel(x, y); }));
}

}  // namespace
}  // namespace platform
