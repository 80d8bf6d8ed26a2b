#include "platform/jpeg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Kind { Baseline, Progressive, Greyscale };

// Encodes a picture in memory at quality 100 with full-resolution colour, so that decoded
// colours stay close to the originals. colourAt gives the colour of each pixel.
template <typename ColourAt>
Bytes Encode(int width, int height, Kind kind, ColourAt colourAt) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  const bool grey = kind == Kind::Greyscale;
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  cinfo.comp_info[0].h_samp_factor = 1;
  cinfo.comp_info[0].v_samp_factor = 1;
  if (kind == Kind::Progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(std::size_t(width) * std::size_t(cinfo.input_components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      const TColor c = colourAt(x, int(cinfo.next_scanline));
      if (grey) {
        row[std::size_t(x)] = RedOf(c);
      } else {
        row[std::size_t(x) * 3] = RedOf(c);
        row[std::size_t(x) * 3 + 1] = GreenOf(c);
        row[std::size_t(x) * 3 + 2] = BlueOf(c);
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes bytes(out, out + outSize);
  std::free(out);
  return bytes;
}

// 16 x 8: a red left half and a blue right half, or for greyscale a dark and a light half.
TColor HalvesAt(Kind kind, int x) {
  if (kind == Kind::Greyscale) return x < 8 ? RgbColor(40, 40, 40) : RgbColor(200, 200, 200);
  return x < 8 ? RgbColor(220, 30, 40) : RgbColor(20, 60, 230);
}

Bytes EncodeHalves(Kind kind) {
  return Encode(16, 8, kind, [kind](int x, int) { return HalvesAt(kind, x); });
}

::testing::AssertionResult Near(TColor got, TColor want, int tolerance) {
  for (int shift : {0, 8, 16}) {
    const int a = int((got >> shift) & 0xFF);
    const int b = int((want >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) {
      char text[80];
      std::snprintf(text, sizeof text, "$%06X is not within %d of $%06X", got, tolerance, want);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

void ExpectRefused(const Bytes& data, std::size_t size) {
  try {
    DecodeJpeg(data.data(), size);
    ADD_FAILURE() << "decoded " << size << " bytes";
  } catch (const JpegError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Damaged JPEG picture: ", 0), 0u) << e.what();
  }
}

TEST(JpegTest, DecodesSizeAndColoursOfEveryKind) {
  for (Kind kind : {Kind::Baseline, Kind::Progressive, Kind::Greyscale}) {
    SCOPED_TRACE(::testing::Message() << "kind " << int(kind));
    const Bytes data = EncodeHalves(kind);
    const Bitmap b = DecodeJpeg(data.data(), data.size());
    ASSERT_EQ(b.Width(), 16);
    ASSERT_EQ(b.Height(), 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 16; ++x) {
        EXPECT_TRUE(Near(b.Pixel(x, y), HalvesAt(kind, x), 8)) << "at (" << x << ", " << y << ")";
        EXPECT_EQ(b.Bits()[y * 16 + x] >> 24, 0xFFu);  // opaque
      }
  }
}

TEST(JpegTest, DecodesAPictureOfSeveralBlocksRowByRow) {
  // Rows and columns of different colours find out a decoder that mixes up rows or strides.
  auto colourAt = [](int x, int y) { return RgbColor(std::uint8_t(y * 8), std::uint8_t(x * 4), 128); };
  const Bytes data = Encode(50, 30, Kind::Baseline, colourAt);
  const Bitmap b = DecodeJpeg(data.data(), data.size());
  ASSERT_EQ(b.Width(), 50);
  ASSERT_EQ(b.Height(), 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 50; ++x) ASSERT_TRUE(Near(b.Pixel(x, y), colourAt(x, y), 8)) << "at (" << x << ", " << y << ")";
}

TEST(JpegTest, RefusesEveryCutOffCopy) {
  for (Kind kind : {Kind::Baseline, Kind::Progressive}) {
    const Bytes data = EncodeHalves(kind);
    for (std::size_t size = 0; size < data.size(); ++size) {
      SCOPED_TRACE(::testing::Message() << "kind " << int(kind) << ", first " << size << " of " << data.size());
      ExpectRefused(data, size);
    }
  }
}

TEST(JpegTest, RefusesGarbageAndEmptyData) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    Bytes garbage(500);
    for (auto& byte : garbage) byte = std::uint8_t(rng());
    if (round % 2 == 1) {  // half of them pass for a JPEG at first glance
      garbage[0] = 0xFF;
      garbage[1] = 0xD8;
    }
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ExpectRefused(garbage, garbage.size());
  }
  ExpectRefused(Bytes{}, 0);
  EXPECT_THROW(DecodeJpeg(nullptr, 0), JpegError);
}

}  // namespace
}  // namespace platform
