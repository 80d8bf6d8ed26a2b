#include "engine/play_plane.h"

#include <algorithm>
#include <string>

#include "engine/geometry.h"

namespace engine {

TPlayPlane::TPlayPlane(GameState& game, int SizeX, int SizeY)
    : FImage(game.display.image), game_(game), canvas_(*game.display.image) {
  Build(SizeX, SizeY);
}

TPlayPlane::~TPlayPlane() {
  // Bubbles are freed in slot order.
  for (auto& slot : FCells) slot.reset();
  FCells.clear();
}

void TPlayPlane::Restart(int SizeX, int SizeY) { Build(SizeX, SizeY); }

void TPlayPlane::Build(int SizeX, int SizeY) {
  FSizeX = std::clamp(SizeX, kMinSizeX, kMaxSizeX);
  FSizeY = std::clamp(SizeY, kMinSizeY, kMaxSizeY);
  FImage = game_.display.image;

  // Board preparation: size and centre the panel, then paint the whole picture grey.
  const int width = BoardPixels(FSizeX);
  const int height = BoardPixels(FSizeY);
  game_.display.host->PlaceBoard(width, height);
  FImage->SetSize(width, height);
  canvas_.Style = platform::BrushStyle::bsSolid;
  canvas_.BrushColor = platform::clBoard;
  canvas_.PenColor = platform::clBoard;
  canvas_.Rectangle(0, 0, width, height);

  for (auto& slot : FCells) slot.reset();
  FCells.clear();
  FCells.resize(std::size_t(FSizeX) * std::size_t(FSizeY));

  // Each starting bubble sees the ones created before it.
  PutBubble(std::make_unique<TBubble>(*this, 0, 0, kBlue, false));
  PutBubble(std::make_unique<TBubble>(*this, FSizeX - 1, FSizeY - 1, kBlue, false));
  PutBubble(std::make_unique<TBubble>(*this, FSizeX - 1, 0, kGreen, false));
  PutBubble(std::make_unique<TBubble>(*this, 0, FSizeY - 1, kGreen, false));

  DrawGrid();
  FPlayer = kBlue;
  FSelected = false;
  CountBubbles(game_, *this);
  game_.RoundNo = 1;
  game_.display.statusBar2->SetColor(platform::clBlueToMove);
  game_.display.statusBar1->SetPanelText(4, std::to_string(FSizeX) + "x" + std::to_string(FSizeY));
}

int TPlayPlane::CellIndex(int X, int Y) const {
  const long long last = (long long)FSizeX * FSizeY - 1;
  return int(std::clamp((long long)X + (long long)Y * FSizeX, 0LL, last));
}

void TPlayPlane::PutBubble(std::unique_ptr<TBubble> bubble) {
  FCells[std::size_t(CellIndex(bubble->FX, bubble->FY))] = std::move(bubble);
}

void TPlayPlane::ClearCell(int X, int Y) { FCells[std::size_t(CellIndex(X, Y))].reset(); }

void TPlayPlane::Repaint() { game_.display.host->RepaintBoard(); }

}  // namespace engine
