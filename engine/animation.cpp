#include "engine/animation.h"

#include <algorithm>

#include "engine/geometry.h"
#include "engine/play_plane.h"
#include "platform/random.h"

namespace engine {

namespace {
// One step of a pulse: up to frame 5, then down; false once it has run out (frame 0).
bool PulseStep(int& frame, bool& up) {
  frame += up ? 1 : -1;
  if (frame > 4) up = false;
  return frame > 0;
}
// The picture a pulse draws at a frame; -1, outside the list, draws nothing.
int PulseImage(int frame) { return frame / 2 - 1; }
}  // namespace

void TBubble::Advance() {
  switch (FState) {
    case asGrowing:
      if (++FFrame <= kGrowSteps) return;
      Settle();
      if (FLoaded || NoEnemyNear()) return;
      Capture();
      return;
    case asVanishing:
      if (++FFrame <= kGrowSteps) return;
      Settle();
      board_.ClearCell(FX, FY);  // destroys this bubble: nothing may follow
      return;
    case asTurning:
      if (++FFrame <= kTurnSteps) return;
      Settle();
      return;
    case asPulsing:
      if (!PulseStep(FFrame, FPulseUp)) Settle();
      return;
    default:
      return;
  }
}

void TBubble::Capture() {
  for (int x = FX - 1; x <= FX + 1; ++x)
    for (int y = FY - 1; y <= FY + 1; ++y) {
      if (!board_.OnBoard(x, y)) continue;
      TBubble* neighbour = board_.BubbleAt(x, y);
      if (neighbour && neighbour->FOwner == Opponent()) neighbour->StartTurn();
    }
  // Even when nothing turned, the board does not count as at rest in this step.
  board_.Game().AllIdle = false;
}

void TBubble::DrawFrame() const {
  const ImageLists& lists = board_.Lists();
  const platform::ImageList& own = FOwner == kBlue ? lists.ImageList2 : lists.ImageList3;
  const platform::ImageList* list = &own;
  int index = -1;
  switch (FState) {
    case asGrowing: index = kGrowSteps - FFrame; break;
    case asVanishing: index = FFrame - 1; break;
    case asTurning:
      list = &lists.ImageList1;
      index = FTurnFrom == kBlue ? FFrame - 1 : kTurnSteps - FFrame;
      break;
    case asPulsing: index = PulseImage(FFrame); break;
    default: return;
  }
  list->Draw(*board_.FImage, CellOrigin(FX), CellOrigin(FY), index);
}

void TPlayPlane::AnimationPass() {
  GameState& game = Game();
  game.AllIdle = true;
  for (std::size_t slot = 0; slot < FCells.size(); ++slot) {
    if (FCells[slot]) FCells[slot]->Advance();
    // Advance may have destroyed the bubble, so the slot is read afresh.
    const TBubble* bubble = FCells[slot].get();
    if (!bubble) continue;
    if (bubble->FState == asGrowing || bubble->FState == asVanishing || bubble->FState == asTurning) {
      game.AllIdle = false;
      bubble->DrawFrame();
    } else if (bubble->FState == asPulsing && game.AllIdle) {
      bubble->DrawFrame();
    }
  }
}

void StartRandomPulse(GameState& game) {
  TPlayPlane* board = game.Plane.get();
  if (!board) return;
  // Both draws are made on every call, whatever happens next.
  const int x = platform::Random(board->FSizeX);
  const int y = platform::Random(board->FSizeY);
  if (!game.AllIdle) return;
  TBubble* bubble = board->BubbleAt(x, y);
  if (bubble && (bubble->FState == asIdle || bubble->FState == asPulsing)) bubble->StartPulse();
}

bool BoardRests(const GameState& game) {
  const TPlayPlane* board = game.Plane.get();
  if (!board || !game.AllIdle || game.TurnFinished || game.GameOverPending) return false;
  for (const auto& bubble : board->FCells)
    if (bubble && bubble->FState != asIdle) return false;
  return true;
}

namespace {
// The steps of one pulse that draw nothing or the same picture as the step before, counted
// from now; kForever when the pulse runs out without drawing anything new.
int QuietStepsOfPulse(int frame, bool up) {
  int drawn = PulseImage(frame);  // what the last step drew (a pulse just started drew nothing)
  for (int steps = 0;; ++steps) {
    if (!PulseStep(frame, up)) return kForever;
    const int image = PulseImage(frame);
    if (image >= 0 && image != drawn) return steps;
    drawn = image;
  }
}
}  // namespace

int QuietSteps(const GameState& game) {
  const TPlayPlane* board = game.Plane.get();
  if (!board || !game.AllIdle || game.TurnFinished || game.GameOverPending) return 0;
  int quiet = kForever;
  for (const auto& bubble : board->FCells) {
    if (!bubble || bubble->FState == asIdle) continue;
    if (bubble->FState != asPulsing) return 0;
    quiet = std::min(quiet, QuietStepsOfPulse(bubble->FFrame, bubble->FPulseUp));
  }
  return quiet;
}

}  // namespace engine
