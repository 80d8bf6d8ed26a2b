#pragma once
// Pixel geometry of the board: a 31-pixel pitch, each cell a 32×32 square whose border it
// shares with its neighbours, its 30×30 interior starting one pixel in.
#include "platform/bitmap.h"

namespace engine {

constexpr int kCellPitch = 31;
constexpr int kStatusBarsHeight = 38;  // two status bars of 19 pixels

constexpr int BoardPixels(int cells) { return cells * kCellPitch + 1; }
// The first interior pixel of column (or row) c, where a bubble picture goes.
constexpr int CellOrigin(int c) { return kCellPitch * c + 1; }
constexpr platform::Rect CellSquare(int x, int y) {
  return {kCellPitch * x, kCellPitch * y, kCellPitch * x + 32, kCellPitch * y + 32};
}

struct Cell {
  int X = 0;
  int Y = 0;
  bool operator==(const Cell&) const = default;
};

// The cell under a pixel of the board picture: pixel 0 and the 30 interior pixels and the
// right (bottom) border of each cell belong to it.
constexpr Cell PixelToCell(int X, int Y) { return {(X + X / 32) / 32, (Y + Y / 32) / 32}; }

// Where the board panel goes in a client area of the given size: centred horizontally, and
// vertically in the part above the two status bars.
constexpr platform::Rect BoardPanelRect(int clientWidth, int clientHeight, int width, int height) {
  const int left = (clientWidth - width) / 2;
  const int top = (clientHeight - height - kStatusBarsHeight) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace engine
