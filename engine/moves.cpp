// The moves and the turn cycle.
#include "engine/play_plane.h"
#include "engine/status.h"

namespace engine {

namespace {
// The player to move has no move: the final counts go to the game-over window.
void ShowGameOver(GameState& game, const TPlayPlane& board) {
  CountBubbles(game, board);
  game.GameOverPending = false;
  game.display.host->ShowGameOver();
}
}  // namespace

void TPlayPlane::Click(int X, int Y) {
  TBubble* clicked = BubbleAt(X, Y);
  if (clicked) {
    clicked->ScanArea();
    clicked->ScanRing();
  }
  const bool own = clicked && clicked->FOwner == FPlayer;

  if (own && !FSelected && clicked->CanMove()) {  // select
    FSelected = true;
    FSelX = X;
    FSelY = Y;
    if (FPlayer == kBlue) ShowTargets(platform::clBlueClone, platform::clBlueJump, platform::clRed);
    else ShowTargets(platform::clGreenClone, platform::clGreenJump, platform::clRed);
    return;
  }
  if (own && FSelected && X == FSelX && Y == FSelY) {  // deselect
    FSelected = false;
    ShowTargets(platform::clBoard, platform::clBoard, platform::clBlack);
    DrawGrid();
    return;
  }
  if (!FSelected) return;

  // Move
  TBubble* selected = BubbleAt(FSelX, FSelY);
  std::uint8_t adjacent = 0;
  if (!selected || !selected->TargetKind(X, Y, adjacent)) return;
  // The deselect erases the highlights while the target is still empty.
  Click(FSelX, FSelY);
  PlaceBubble(X, Y);
  if (adjacent == 0) selected->StartVanish();
  SwitchPlayer();
  Game().TurnFinished = true;
  // The new bubble grows from now on: until a tick finds the board at rest again, no click
  // may reach it. Without this a click arriving before the next tick would still pass, and
  // could select a bubble that the growing one is about to capture.
  Game().AllIdle = false;
}

void TPlayPlane::PlaceBubble(int X, int Y) {
  PutBubble(std::make_unique<TBubble>(*this, X, Y, FPlayer, false));
}

bool TPlayPlane::PlayerCanMove(Player player) {
  for (auto& bubble : FCells) {
    if (!bubble || bubble->FOwner != player) continue;
    bubble->ScanArea();
    bubble->ScanRing();
    if (bubble->CanMove()) return true;
  }
  return false;
}

void TPlayPlane::Tick() {
  GameState& game = Game();
  AnimationPass();
  if (game.AllIdle && game.TurnFinished) {
    game.TurnFinished = false;
    // The move already handed FPlayer to the player who is to move next.
    game.GameOverPending = !PlayerCanMove(FPlayer);
    ShowTurn(game, FPlayer);
    if (FPlayer == kBlue) ++game.RoundNo;
  }
  if (game.AllIdle && game.GameOverPending) {
    ShowGameOver(game, *this);
  }
  if (game.AllIdle) ShowStatus(game);
}

}  // namespace engine
