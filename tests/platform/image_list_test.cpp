#include "platform/image_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/pixel_check.h"

namespace platform {
namespace {

using checks::Contains;
using checks::PatternAt;
using checks::PatternBitmap;
using checks::PixelsMatch;

// Three 4 x 3 frames side by side and two spare columns that make no whole frame.
ImageList ThreeFrames() { return ImageList::FromStrip(PatternBitmap(14, 3), 4, 3); }

TEST(ImageListTest, FromStripCutsWholeFramesLeftToRight) {
  const ImageList list = ThreeFrames();
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Width(), 4);
  EXPECT_EQ(list.Height(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(::testing::Message() << "frame " << i);
    ASSERT_EQ(list.Frame(i).Width(), 4);
    ASSERT_EQ(list.Frame(i).Height(), 3);
    EXPECT_TRUE(PixelsMatch(list.Frame(i), [&](int x, int y) { return PatternAt(4 * i + x, y); }));
  }
}

TEST(ImageListTest, FromStripOfATooSmallStripGivesNoFrames) {
  EXPECT_EQ(ImageList::FromStrip(PatternBitmap(14, 2), 4, 3).Count(), 0);
  EXPECT_EQ(ImageList::FromStrip(PatternBitmap(3, 3), 4, 3).Count(), 0);
  EXPECT_EQ(ImageList::FromStrip(PatternBitmap(8, 3), 0, 3).Count(), 0);
}

TEST(ImageListTest, DrawCopiesTheFrameExactlyAndNothingElse) {
  const ImageList list = ThreeFrames();
  Bitmap target(12, 9, clBoard);
  target.TakeDirty();
  list.Draw(target, 5, 2, 1);
  const Rect at{5, 2, 9, 5};
  EXPECT_TRUE(PixelsMatch(target, [&](int x, int y) {
    return Contains(at, x, y) ? PatternAt(4 + x - at.left, y - at.top) : clBoard;
  }));
  EXPECT_EQ(target.Dirty(), at);
}

TEST(ImageListTest, DrawOfAnIndexOutsideTheListDrawsNothing) {
  const ImageList list = ThreeFrames();
  for (int index : {-1, 3, 100}) {
    SCOPED_TRACE(::testing::Message() << "index " << index);
    Bitmap target(12, 9, clBoard);
    target.TakeDirty();
    list.Draw(target, 0, 0, index);
    EXPECT_TRUE(PixelsMatch(target, [](int, int) { return clBoard; }));
    EXPECT_TRUE(target.Dirty().Empty());
  }
}

TEST(ImageListTest, AddRefusesAFrameOfAnotherSize) {
  ImageList list(4, 3);
  EXPECT_THROW(list.Add(Bitmap(3, 4)), std::invalid_argument);
  list.Add(Bitmap(4, 3, clRed));
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace platform
