#include "forms/bitmap_image.h"

#include <cstring>

namespace forms {

platform::Bitmap ToBitmap(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  platform::Bitmap bitmap(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y)
    std::memcpy(bitmap.Bits() + std::size_t(y) * std::size_t(rgb.width()), rgb.constScanLine(y),
                std::size_t(rgb.width()) * 4);
  return bitmap;
}

}  // namespace forms
