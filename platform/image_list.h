#pragma once
// A list of equally sized opaque pictures, drawn by index.
#include <vector>

#include "platform/bitmap.h"

namespace platform {

class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height) : width_(width), height_(height) {}

  // Cuts a horizontal strip into frames of the list's size, left to right.
  static ImageList FromStrip(const Bitmap& strip, int width, int height);

  void Add(const Bitmap& frame);  // the frame must have the list's size
  int Count() const { return int(frames_.size()); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const Bitmap& Frame(int index) const { return frames_.at(std::size_t(index)); }

  // Copies frame index to (x, y) of target; draws nothing when index is not a frame.
  void Draw(Bitmap& target, int x, int y, int index) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Bitmap> frames_;
};

}  // namespace platform
