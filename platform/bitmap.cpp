#include "platform/bitmap.h"

#include <algorithm>

namespace platform {

Rect Rect::United(const Rect& o) const {
  if (Empty()) return o;
  if (o.Empty()) return *this;
  return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
}

Rect Rect::Intersected(const Rect& o) const {
  Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  return r.Empty() ? Rect{} : r;
}

Bitmap::Bitmap(int width, int height, TColor fill) {
  SetSize(width, height);
  Fill(Bounds(), fill);
}

void Bitmap::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(std::size_t(width_) * std::size_t(height_), ToPixel(clBlack));
  dirty_ = Bounds();
}

void Bitmap::SetPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (pixels_[Index(x, y)] == ToPixel(c)) return;
  pixels_[Index(x, y)] = ToPixel(c);
  MarkDirty({x, y, x + 1, y + 1});
}

void Bitmap::Fill(const Rect& r, TColor c) {
  const Rect clip = r.Intersected(Bounds());
  if (clip.Empty()) return;
  const std::uint32_t p = ToPixel(c);
  for (int y = clip.top; y < clip.bottom; ++y) {
    const auto row = pixels_.begin() + std::ptrdiff_t(Index(clip.left, y));
    if (std::all_of(row, row + clip.Width(), [p](std::uint32_t q) { return q == p; })) continue;
    std::fill_n(row, clip.Width(), p);
    MarkDirty({clip.left, y, clip.right, y + 1});
  }
}

void Bitmap::Blit(const Bitmap& src, int x, int y) {
  const Rect clip = Rect{x, y, x + src.width_, y + src.height_}.Intersected(Bounds());
  if (clip.Empty()) return;
  for (int row = clip.top; row < clip.bottom; ++row) {
    const auto from = src.pixels_.begin() + std::ptrdiff_t(src.Index(clip.left - x, row - y));
    const auto to = pixels_.begin() + std::ptrdiff_t(Index(clip.left, row));
    if (std::equal(from, from + clip.Width(), to)) continue;
    std::copy_n(from, clip.Width(), to);
    MarkDirty({clip.left, row, clip.right, row + 1});
  }
}

Rect Bitmap::TakeDirty() {
  const Rect r = dirty_;
  dirty_ = {};
  return r;
}

void Bitmap::MarkDirty(const Rect& r) { dirty_ = dirty_.United(r.Intersected(Bounds())); }

}  // namespace platform
