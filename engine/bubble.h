#pragma once
// TBubble: one bubble on the board, with its animation and the snapshots of its
// surroundings on which the move rules rest.
#include <array>
#include <cstdint>

namespace engine {

class TPlayPlane;

using Player = std::uint8_t;  // 0 Blue, 1 Green
constexpr Player kBlue = 0;
constexpr Player kGreen = 1;
constexpr std::uint8_t kNoOwner = 2;  // snapshot entry of an empty cell or one off the board

enum AnimationState : std::uint8_t { asGrowing = 0, asVanishing = 1, asTurning = 2, asPulsing = 3, asIdle = 4 };

constexpr int kGrowSteps = 13;   // growing and vanishing show 13 frames and end at step 14
constexpr int kTurnSteps = 25;   // a colour change shows 25 frames and ends at step 26

class TBubble {
 public:
  // Creates a growing bubble and takes its snapshots of the board; the caller stores it in
  // the slot of (X, Y).
  TBubble(TPlayPlane& board, int X, int Y, Player Owner, bool Loaded);

  Player FOwner;
  int FX;
  int FY;
  int FFrame = 0;
  std::uint8_t FState = asGrowing;
  std::uint8_t FTurnFrom = kNoOwner;   // the owner before a colour change; 2 at all other times
  std::array<std::uint8_t, 25> FArea{};  // 5×5 owners around the bubble, column-major
  std::array<std::uint8_t, 9> FRing{};   // 3×3 owners around the bubble, column-major
  std::array<std::uint8_t, 9> FProbe{};  // 3×3 scratch snapshot around a probed cell
  bool FPulseUp = true;
  bool FLoaded;  // came from a saved game: its growth turns nothing

  // Snapshots
  void ScanArea();
  void ScanRing();
  bool CanMove() const;      // an empty cell within reach, judged on FArea
  bool NoEnemyNear() const;  // FRing holds no bubble of the opponent
  Player Opponent() const { return FOwner == kBlue ? kGreen : kBlue; }

  // Animation
  void StartPulse();
  void StartTurn();
  void StartVanish();
  void Settle();
  // One step of the current animation. A bubble that finishes vanishing clears its slot and
  // is destroyed here: the caller must not touch it after this returns.
  void Advance();
  void DrawFrame() const;

  // Moves: whether (X, Y) is a legal target; Adjacent is then 1 for a clone, 0 for a jump.
  bool TargetKind(int X, int Y, std::uint8_t& Adjacent) const;

  // Computer player
  void ProbeCell(int X, int Y);
  int ScoreTarget(int X, int Y);
  // The best empty cell in reach and its value; Target (-1, -1) and Gain 0 when none.
  void BestTarget(int& TargetX, int& TargetY, int& Gain);

 private:
  void Capture();
  TPlayPlane& board_;
};

}  // namespace engine
