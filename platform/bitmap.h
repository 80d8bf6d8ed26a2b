#pragma once
// A 32-bit bitmap whose pixel buffer a window can show without copying.
// Every write widens a dirty rectangle, so the window repaints only what changed. Fills and
// single pixels that leave the picture as it was (the grid drawn again, say) mark nothing.
// Besides the one rectangle around all changes, a few separate dirty areas are kept, so that
// two bubbles animating far apart are compared and repainted without the picture between.
#include <cstdint>
#include <vector>

#include "platform/color.h"

namespace platform {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool Empty() const { return right <= left || bottom <= top; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Rect United(const Rect& o) const;
  Rect Intersected(const Rect& o) const;
  bool operator==(const Rect&) const = default;
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, TColor fill = clBlack);

  // Resizes; the contents become black and the whole picture dirty.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  TColor Pixel(int x, int y) const { return FromPixel(pixels_[Index(x, y)]); }
  void SetPixel(int x, int y, TColor c);  // ignores pixels outside the bitmap
  // Fills the part of r that lies inside the bitmap.
  void Fill(const Rect& r, TColor c);
  // Copies src to (x, y), clipped to this bitmap.
  void Blit(const Bitmap& src, int x, int y);

  const std::uint32_t* Bits() const { return pixels_.data(); }
  std::uint32_t* Bits() { return pixels_.data(); }
  int BytesPerLine() const { return width_ * 4; }

  Rect Bounds() const { return {0, 0, width_, height_}; }
  // The rectangle around everything drawn since the last Take.
  const Rect& Dirty() const { return dirty_; }
  // Areas that together cover the same changes more closely; overlapping ones are merged,
  // and past kMaxDirtyAreas all become one.
  const std::vector<Rect>& DirtyAreas() const { return areas_; }
  static constexpr std::size_t kMaxDirtyAreas = 8;
  Rect TakeDirty();
  std::vector<Rect> TakeDirtyAreas();
  void MarkDirty(const Rect& r);

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  Rect dirty_;
  std::vector<Rect> areas_;
};

// Brings `shown` (a copy of what is on screen) up to date with `picture` within `area` and
// returns the part that really differed: the rows, across the area's width, in which some
// pixel changed. A `shown` of another size is resized and counts as wholly different.
Rect UpdateShownCopy(const Bitmap& picture, Bitmap& shown, const Rect& area);
// The same over several areas; returns the part of each area that differed, empty ones left out.
std::vector<Rect> UpdateShownCopy(const Bitmap& picture, Bitmap& shown, const std::vector<Rect>& areas);

}  // namespace platform
