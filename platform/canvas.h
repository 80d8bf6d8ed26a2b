#pragma once
// Drawing onto a bitmap with a pen and a brush, in the manner of a classic desktop canvas:
// the canvas remembers its pen colour, brush colour and brush style between operations.
#include "platform/bitmap.h"

namespace platform {

enum class BrushStyle { bsSolid, bsClear, bsDiagCross };

class Canvas {
 public:
  explicit Canvas(Bitmap& bitmap) : bitmap_(&bitmap) {}

  TColor PenColor = clBlack;
  TColor BrushColor = RgbColor(255, 255, 255);
  BrushStyle Style = BrushStyle::bsSolid;

  // One-pixel outline in the pen colour on columns left and right - 1 and rows top and
  // bottom - 1; the inside is filled with the brush (left unchanged with bsClear, only the
  // hatch lines painted with bsDiagCross).
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const Rect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  // Fills the whole rectangle, edges included, with the brush; no outline.
  void FillRect(const Rect& r);

  // Whether pixel (x, y) lies on a line of the diagonal-cross hatch (an 8 × 8 pattern
  // anchored at the bitmap's origin).
  static bool OnDiagCross(int x, int y);

  Bitmap& Target() { return *bitmap_; }

 private:
  void FillWithBrush(const Rect& r);
  Bitmap* bitmap_;
};

}  // namespace platform
