#include "platform/canvas.h"

namespace platform {

bool Canvas::OnDiagCross(int x, int y) {
  const int u = x & 7;
  const int v = y & 7;
  return u == v || u + v == 7;
}

void Canvas::FillWithBrush(const Rect& r) {
  switch (Style) {
    case BrushStyle::bsSolid:
      bitmap_->Fill(r, BrushColor);
      break;
    case BrushStyle::bsClear:
      break;
    case BrushStyle::bsDiagCross: {
      // Written straight into the pixels and marked once: a hatch touches hundreds of them.
      const Rect clip = r.Intersected(bitmap_->Bounds());
      const std::uint32_t pixel = ToPixel(BrushColor);
      std::uint32_t* bits = bitmap_->Bits();
      for (int y = clip.top; y < clip.bottom; ++y)
        for (int x = clip.left; x < clip.right; ++x)
          if (OnDiagCross(x, y)) bits[std::size_t(y) * std::size_t(bitmap_->Width()) + std::size_t(x)] = pixel;
      bitmap_->MarkDirty(clip);
      break;
    }
  }
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  FillWithBrush({left + 1, top + 1, right - 1, bottom - 1});
  bitmap_->Fill({left, top, right, top + 1}, PenColor);
  bitmap_->Fill({left, bottom - 1, right, bottom}, PenColor);
  bitmap_->Fill({left, top, left + 1, bottom}, PenColor);
  bitmap_->Fill({right - 1, top, right, bottom}, PenColor);
}

void Canvas::FillRect(const Rect& r) { FillWithBrush(r); }

}  // namespace platform
