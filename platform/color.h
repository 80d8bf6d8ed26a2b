#pragma once
// Colours as the game stores them: a 32-bit value read as $00BBGGRR.
#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }

// The pixel format of a bitmap: 0xFFRRGGBB, the layout of QImage::Format_RGB32.
constexpr std::uint32_t ToPixel(TColor c) {
  return 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) | BlueOf(c);
}
constexpr TColor FromPixel(std::uint32_t p) {
  return RgbColor(std::uint8_t((p >> 16) & 0xFF), std::uint8_t((p >> 8) & 0xFF), std::uint8_t(p & 0xFF));
}

// Board and highlight colours.
constexpr TColor clBlack = 0;
constexpr TColor clRed = 255;
constexpr TColor clBoard = 13619151;       // $CFCFCF light grey
constexpr TColor clBlueClone = 16759620;   // $FFBB44 light blue
constexpr TColor clBlueJump = 12285696;    // $BB7700 dark blue
constexpr TColor clGreenClone = 4521915;   // $44FFBB light green
constexpr TColor clGreenJump = 47991;      // $00BB77 dark green
// Colours of the caption bar that tell whose turn it is.
constexpr TColor clBlueToMove = 13417386;  // $CCBBAA greyish blue
constexpr TColor clGreenToMove = 11193531; // $AACCBB greyish green
// The window face colour of the desktop's classic theme.
constexpr TColor clBtnFace = RgbColor(240, 240, 240);

}  // namespace platform
