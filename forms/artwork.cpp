#include "forms/artwork.h"

#include <QFile>

#include "forms/bitmap_image.h"
#include "platform/jpeg.h"

namespace forms {

namespace {
platform::ImageList LoadStrip(const char* resource, int size) {
  const QImage strip(QString::fromLatin1(resource));
  return platform::ImageList::FromStrip(ToBitmap(strip), size, size);
}
}  // namespace

engine::ImageLists LoadImageLists() {
  return {LoadStrip(":/imagelist1.png", 30), LoadStrip(":/imagelist2.png", 30), LoadStrip(":/imagelist3.png", 30),
          LoadStrip(":/imagelist4.png", 64)};
}

QImage LoadBackground() {
  QFile file(QStringLiteral(":/background.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  const platform::Bitmap bitmap =
      platform::DecodeJpeg(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()));
  return WrapBitmap(bitmap).copy();
}

}  // namespace forms
