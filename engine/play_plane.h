#pragma once
// TPlayPlane: the board, its cells and bubbles, the moves and the turn cycle, and its
// drawing on the board picture.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/bubble.h"
#include "engine/game_state.h"
#include "platform/canvas.h"

namespace engine {

constexpr int kMinSizeX = 3, kMaxSizeX = 19;
constexpr int kMinSizeY = 3, kMaxSizeY = 12;

using TPlayArray = std::vector<std::unique_ptr<TBubble>>;

class TPlayPlane {
 public:
  // Builds a board for a new game (sizes clamped to 3…19 × 3…12) with its four corner
  // bubbles, Blue to move, round 1. The game's display must be set.
  TPlayPlane(GameState& game, int SizeX, int SizeY);
  ~TPlayPlane();
  TPlayPlane(const TPlayPlane&) = delete;
  TPlayPlane& operator=(const TPlayPlane&) = delete;

  // The constructor's steps applied to this board object.
  void Restart(int SizeX, int SizeY);

  int CellIndex(int X, int Y) const;
  bool OnBoard(int X, int Y) const { return X >= 0 && Y >= 0 && X < FSizeX && Y < FSizeY; }
  // The bubble in the slot of (X, Y), or null.
  TBubble* BubbleAt(int X, int Y) const { return FCells[std::size_t(CellIndex(X, Y))].get(); }
  void SwitchPlayer() { FPlayer = FPlayer == kBlue ? kGreen : kBlue; }

  // Moves and the turn cycle
  void Click(int X, int Y);
  void PlaceBubble(int X, int Y);
  bool PlayerCanMove(Player player);
  void Tick();
  // Every bubble steps its animation and the animating ones are drawn; sets AllIdle.
  void AnimationPass();
  // Stores a bubble in the slot of its cell, freeing whatever the slot held.
  void PutBubble(std::unique_ptr<TBubble> bubble);
  // Frees the bubble in the slot of (X, Y), if any, and empties the slot.
  void ClearCell(int X, int Y);

  // Drawing
  void DrawGrid();
  void ShowTargets(platform::TColor CloneColour, platform::TColor JumpColour, platform::TColor FrameColour);
  void HatchCell(int X, int Y, platform::TColor Colour);
  void FrameCell(int X, int Y, platform::TColor Colour);

  GameState& Game() const { return game_; }
  platform::Canvas& Canvas() { return canvas_; }
  const ImageLists& Lists() const { return *game_.display.lists; }

  platform::Bitmap* FImage;
  TPlayArray FCells;
  Player FPlayer = kBlue;
  int FSizeX = 0;
  int FSizeY = 0;
  bool FSelected = false;
  int FSelX = 0;
  int FSelY = 0;

 private:
  void Build(int SizeX, int SizeY);
  void Repaint();
  GameState& game_;
  platform::Canvas canvas_;
};

}  // namespace engine
