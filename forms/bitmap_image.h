#pragma once
// A QImage over a platform bitmap's pixels, without copying them.
#include <QImage>

#include "platform/bitmap.h"

namespace forms {

inline QImage WrapBitmap(const platform::Bitmap& bitmap) {
  return QImage(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(),
                bitmap.BytesPerLine(), QImage::Format_RGB32);
}

inline QRect ToQRect(const platform::Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Copies a QImage into a new platform bitmap (alpha is dropped).
platform::Bitmap ToBitmap(const QImage& image);

}  // namespace forms
