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
  dirty_ = {};
  areas_.clear();
  MarkDirty(Bounds());
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
  int first = clip.bottom, last = clip.top - 1;  // the rows that changed
  for (int y = clip.top; y < clip.bottom; ++y) {
    const auto row = pixels_.begin() + std::ptrdiff_t(Index(clip.left, y));
    if (std::all_of(row, row + clip.Width(), [p](std::uint32_t q) { return q == p; })) continue;
    std::fill_n(row, clip.Width(), p);
    first = std::min(first, y);
    last = y;
  }
  if (last >= first) MarkDirty({clip.left, first, clip.right, last + 1});
}

void Bitmap::Blit(const Bitmap& src, int x, int y) {
  // Pictures are copied without comparing first: an animation frame almost always differs
  // from what it replaces, and comparing would double the cost of the busiest step.
  const Rect clip = Rect{x, y, x + src.width_, y + src.height_}.Intersected(Bounds());
  if (clip.Empty()) return;
  for (int row = clip.top; row < clip.bottom; ++row) {
    const auto from = src.pixels_.begin() + std::ptrdiff_t(src.Index(clip.left - x, row - y));
    std::copy_n(from, clip.Width(), pixels_.begin() + std::ptrdiff_t(Index(clip.left, row)));
  }
  MarkDirty(clip);
}

Rect Bitmap::TakeDirty() {
  const Rect r = dirty_;
  dirty_ = {};
  areas_.clear();
  return r;
}

std::vector<Rect> Bitmap::TakeDirtyAreas() {
  std::vector<Rect> areas;
  areas.swap(areas_);
  dirty_ = {};
  return areas;
}

void Bitmap::MarkDirty(const Rect& r) {
  Rect grown = r.Intersected(Bounds());
  if (grown.Empty()) return;
  dirty_ = dirty_.United(grown);
  for (auto area = areas_.begin(); area != areas_.end();) {
    if (area->Intersected(grown).Empty()) {
      ++area;
    } else {
      grown = grown.United(*area);
      area = areas_.erase(area);
    }
  }
  areas_.push_back(grown);
  if (areas_.size() > kMaxDirtyAreas) areas_.assign(1, dirty_);
}

Rect UpdateShownCopy(const Bitmap& picture, Bitmap& shown, const Rect& area) {
  if (shown.Width() != picture.Width() || shown.Height() != picture.Height()) {
    shown = picture;
    return picture.Bounds();
  }
  const Rect clip = area.Intersected(picture.Bounds());
  int first = clip.bottom, last = clip.top - 1;
  for (int y = clip.top; y < clip.bottom; ++y) {
    const auto offset = std::ptrdiff_t(std::size_t(y) * std::size_t(picture.Width()) + std::size_t(clip.left));
    const std::uint32_t* from = picture.Bits() + offset;
    std::uint32_t* to = shown.Bits() + offset;
    if (std::equal(from, from + clip.Width(), to)) continue;
    std::copy_n(from, clip.Width(), to);
    first = std::min(first, y);
    last = y;
  }
  return last >= first ? Rect{clip.left, first, clip.right, last + 1} : Rect{};
}

std::vector<Rect> UpdateShownCopy(const Bitmap& picture, Bitmap& shown, const std::vector<Rect>& areas) {
  std::vector<Rect> changed;
  for (const Rect& area : areas) {
    const Rect part = UpdateShownCopy(picture, shown, area);
    if (!part.Empty()) changed.push_back(part);
  }
  return changed;
}

}  // namespace platform
