// Drawing the board picture: the grid, the hatched targets of a selected bubble and the frame
// of the selected cell. Nothing here paints inside a cell that holds a bubble.
#include "engine/geometry.h"
#include "engine/play_plane.h"

namespace engine {

using platform::BrushStyle;

void TPlayPlane::DrawGrid() {
  canvas_.Style = BrushStyle::bsClear;
  canvas_.PenColor = platform::clBlack;
  // The outlines of every cell square, (31i, 31j) to (31i + 31, 31j + 31), drawn as the long
  // lines they add up to. The counts come from the picture's size; (31n + 1) / 30 is n for
  // every board size.
  const int columns = FImage->Width() / 30;
  const int rows = FImage->Height() / 30;
  const int right = kCellPitch * columns + 1;
  const int bottom = kCellPitch * rows + 1;
  for (int i = 0; i <= columns; ++i) FImage->Fill({kCellPitch * i, 0, kCellPitch * i + 1, bottom}, canvas_.PenColor);
  for (int j = 0; j <= rows; ++j) FImage->Fill({0, kCellPitch * j, right, kCellPitch * j + 1}, canvas_.PenColor);
}

void TPlayPlane::HatchCell(int X, int Y, platform::TColor Colour) {
  canvas_.Style = BrushStyle::bsSolid;
  canvas_.BrushColor = platform::clBoard;
  canvas_.FillRect(CellSquare(X, Y));
  canvas_.Style = BrushStyle::bsDiagCross;
  canvas_.BrushColor = Colour;
  canvas_.PenColor = Colour;
  canvas_.Rectangle(CellSquare(X, Y));
  canvas_.Style = BrushStyle::bsSolid;
}

void TPlayPlane::FrameCell(int X, int Y, platform::TColor Colour) {
  canvas_.Style = BrushStyle::bsClear;
  canvas_.PenColor = Colour;
  canvas_.Rectangle(CellSquare(X, Y));
  canvas_.Style = BrushStyle::bsSolid;
  Repaint();
}

void TPlayPlane::ShowTargets(platform::TColor CloneColour, platform::TColor JumpColour,
                             platform::TColor FrameColour) {
  for (int x = FSelX - 2; x <= FSelX + 2; ++x)
    for (int y = FSelY - 2; y <= FSelY + 2; ++y) {
      if (x == FSelX && y == FSelY) continue;
      if (!OnBoard(x, y) || BubbleAt(x, y)) continue;
      const bool near = x >= FSelX - 1 && x <= FSelX + 1 && y >= FSelY - 1 && y <= FSelY + 1;
      HatchCell(x, y, near ? CloneColour : JumpColour);
    }
  // Hatching painted the borders of the hatched cells; the grid puts them back to black.
  DrawGrid();
  FrameCell(FSelX, FSelY, FrameColour);
  Repaint();
}

}  // namespace engine
