#include "engine/bubble.h"

#include "engine/play_plane.h"

namespace engine {

TBubble::TBubble(TPlayPlane& board, int X, int Y, Player Owner, bool Loaded)
    : FOwner(Owner), FX(X), FY(Y), FLoaded(Loaded), board_(board) {
  ScanRing();
  ScanArea();
}

namespace {
// Fills a square snapshot of side 2 * radius + 1 centred on (cx, cy), column-major.
template <std::size_t N>
void Snapshot(const TPlayPlane& board, int cx, int cy, int radius, std::array<std::uint8_t, N>& out) {
  out.fill(kNoOwner);
  const int side = 2 * radius + 1;
  for (int x = cx - radius; x <= cx + radius; ++x)
    for (int y = cy - radius; y <= cy + radius; ++y) {
      if (!board.OnBoard(x, y)) continue;
      if (const TBubble* b = board.BubbleAt(x, y))
        out[std::size_t((x - cx + radius) * side + (y - cy + radius))] = b->FOwner;
    }
}
}  // namespace

void TBubble::ScanArea() { Snapshot(board_, FX, FY, 2, FArea); }
void TBubble::ScanRing() { Snapshot(board_, FX, FY, 1, FRing); }
void TBubble::ProbeCell(int X, int Y) { Snapshot(board_, X, Y, 1, FProbe); }

bool TBubble::CanMove() const {
  // Cells off the board also read empty in the snapshot, so the bounds test keeps them out.
  for (int x = FX - 2; x <= FX + 2; ++x)
    for (int y = FY - 2; y <= FY + 2; ++y)
      if (board_.OnBoard(x, y) && FArea[std::size_t((x - FX + 2) * 5 + (y - FY + 2))] == kNoOwner) return true;
  return false;
}

bool TBubble::NoEnemyNear() const {
  for (std::uint8_t owner : FRing)
    if (owner == Opponent()) return false;
  return true;
}

bool TBubble::TargetKind(int X, int Y, std::uint8_t& Adjacent) const {
  // The occupancy test goes through the clamped slot lookup; callers pass cells of the board.
  if (board_.BubbleAt(X, Y)) return false;
  if (X < FX - 2 || X > FX + 2 || Y < FY - 2 || Y > FY + 2) return false;
  Adjacent = (X >= FX - 1 && X <= FX + 1 && Y >= FY - 1 && Y <= FY + 1) ? 1 : 0;
  return true;
}

void TBubble::StartPulse() {
  FState = asPulsing;
  FFrame = 0;
  FPulseUp = true;
}

void TBubble::StartTurn() {
  FTurnFrom = FOwner;
  FOwner = Opponent();
  FFrame = 0;
  FState = asTurning;
}

void TBubble::StartVanish() {
  FState = asVanishing;
  FFrame = 0;
}

void TBubble::Settle() {
  FFrame = 0;
  FState = asIdle;
  FTurnFrom = kNoOwner;
}

}  // namespace engine
