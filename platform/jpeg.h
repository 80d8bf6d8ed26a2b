#pragma once
// JPEG decoding through libjpeg into a bitmap.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "platform/bitmap.h"

namespace platform {

class JpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes a baseline or progressive JPEG (colour or greyscale); throws JpegError with a
// clear message for damaged or truncated data.
Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace platform
