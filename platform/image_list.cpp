#include "platform/image_list.h"

#include <stdexcept>

namespace platform {

ImageList ImageList::FromStrip(const Bitmap& strip, int width, int height) {
  ImageList list(width, height);
  if (width <= 0 || height <= 0 || strip.Height() < height) return list;
  for (int left = 0; left + width <= strip.Width(); left += width) {
    Bitmap frame(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) frame.SetPixel(x, y, strip.Pixel(left + x, y));
    list.Add(frame);
  }
  return list;
}

void ImageList::Add(const Bitmap& frame) {
  if (frame.Width() != width_ || frame.Height() != height_)
    throw std::invalid_argument("image list frame has the wrong size");
  frames_.push_back(frame);
}

void ImageList::Draw(Bitmap& target, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  target.Blit(frames_[std::size_t(index)], x, y);
}

}  // namespace platform
