// The board: its size, its starting bubbles, the slot of a cell, the snapshots a bubble takes
// of its surroundings and what the move rules read from them, and the bubble counts.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/play_plane.h"
#include "tests/engine/picture_check.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using engine::kNoOwner;
using testing_display::TestGame;

struct SizeCase {
  int askX, askY, sizeX, sizeY;
};

TEST(Board, SizeIsClampedToThreeByThreeUpToNineteenByTwelve) {
  const SizeCase cases[] = {
      {25, 2, 19, 3}, {0, 100, 3, 12}, {7, 7, 7, 7}, {-4, -9, 3, 3}, {19, 12, 19, 12}, {20, 13, 19, 12}, {3, 3, 3, 3},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.askX) + " x " + std::to_string(c.askY));
    TestGame g(c.askX, c.askY);
    EXPECT_EQ(g.board().FSizeX, c.sizeX);
    EXPECT_EQ(g.board().FSizeY, c.sizeY);
    EXPECT_EQ(g.board().FCells.size(), std::size_t(c.sizeX * c.sizeY));
    EXPECT_EQ(g.image().Width(), c.sizeX * 31 + 1);
    EXPECT_EQ(g.image().Height(), c.sizeY * 31 + 1);
    EXPECT_EQ(g.display.statusBar1.PanelText(4), std::to_string(c.sizeX) + "x" + std::to_string(c.sizeY));
  }
}

// Which cells hold a bubble, as {x, y, owner}, in slot order.
std::vector<std::array<int, 3>> Occupied(const engine::TPlayPlane& board) {
  std::vector<std::array<int, 3>> cells;
  for (const auto& b : board.FCells)
    if (b) cells.push_back({b->FX, b->FY, b->FOwner});
  return cells;
}

void ExpectNewGame(TestGame& g, int sizeX, int sizeY) {
  const int mx = sizeX - 1, my = sizeY - 1;
  const std::vector<std::array<int, 3>> corners = {{0, 0, kBlue}, {mx, 0, kGreen}, {0, my, kGreen}, {mx, my, kBlue}};
  EXPECT_EQ(Occupied(g.board()), corners);
  for (const auto& b : g.board().FCells) {
    if (!b) continue;
    EXPECT_EQ(b->FState, engine::asGrowing);
    EXPECT_EQ(b->FFrame, 0);
    EXPECT_EQ(b->FTurnFrom, kNoOwner);
    EXPECT_TRUE(b->FPulseUp);
    EXPECT_FALSE(b->FLoaded);
  }
  EXPECT_EQ(g.board().FPlayer, kBlue);
  EXPECT_FALSE(g.board().FSelected);
  EXPECT_EQ(g.game.RoundNo, 1);
  EXPECT_EQ(g.game.BlueCount, 2);
  EXPECT_EQ(g.game.GreenCount, 2);
  EXPECT_EQ(g.game.TotalCount, 4);
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clBlueToMove);
  EXPECT_EQ(g.display.statusBar1.PanelText(4), std::to_string(sizeX) + "x" + std::to_string(sizeY));
}

TEST(Board, NewBoardHasTwoBubblesEachInOppositeCornersWithBlueToMove) {
  TestGame g(7, 7);
  ExpectNewGame(g, 7, 7);
  EXPECT_EQ(g.display.statusBar1.PanelText(4), "7x7");
  EXPECT_EQ(g.display.host.placeCalls, 1);
  EXPECT_EQ(g.display.host.placedWidth, 218);
  EXPECT_EQ(g.display.host.placedHeight, 218);
}

TEST(Board, RestartDuringAGameBuildsTheNewSizeAfresh) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  // Blue jumps, Green clones, and Blue is left with a bubble selected.
  g.board().Click(0, 0);
  g.board().Click(2, 2);
  g.TickUntilIdle();
  g.board().Click(6, 0);
  g.board().Click(5, 1);
  g.TickUntilIdle();
  g.board().Click(2, 2);
  ASSERT_TRUE(g.board().FSelected);
  ASSERT_EQ(g.game.RoundNo, 2);
  g.game.TurnFinished = true;
  g.game.GameOverPending = true;

  engine::TPlayPlane* before = g.game.Plane.get();
  g.board().Restart(9, 5);

  EXPECT_EQ(g.game.Plane.get(), before);
  ExpectNewGame(g, 9, 5);
  EXPECT_EQ(g.display.host.placeCalls, 2);
  EXPECT_EQ(g.display.host.placedWidth, 280);
  EXPECT_EQ(g.display.host.placedHeight, 156);
  // The picture is grey with a black grid: no highlight and no bubble of the old game.
  EXPECT_TRUE(testing_display::PictureMatches(g.image(), [](int x, int y) {
    return testing_display::OnGridLine(x, y) ? platform::clBlack : platform::clBoard;
  }));
  // The turn flags belong to the turn cycle, not to the board.
  EXPECT_TRUE(g.game.TurnFinished);
  EXPECT_TRUE(g.game.GameOverPending);
}

TEST(Board, CellIndexClampsIntoTheArray) {
  TestGame g(9, 5);
  const engine::TPlayPlane& b = g.board();
  struct Case {
    int x, y, slot;
  };
  const Case cases[] = {
      {0, 0, 0}, {3, 2, 3 + 2 * 9}, {8, 4, 44}, {-5, -5, 0}, {-1, 0, 0}, {9, 5, 44}, {9, 0, 9}, {100, 100, 44}, {-1, 3, 26},
  };
  for (const Case& c : cases) EXPECT_EQ(b.CellIndex(c.x, c.y), c.slot) << "(" << c.x << ", " << c.y << ")";
  EXPECT_EQ(b.CellIndex(b.FSizeX, 0), b.CellIndex(0, 1));
}

// The owner a snapshot must record for the cell at (x, y): 2 off the board or when empty.
int OwnerOf(const engine::TPlayPlane& b, int x, int y) {
  if (!b.OnBoard(x, y)) return kNoOwner;
  const engine::TBubble* bubble = b.BubbleAt(x, y);
  return bubble ? bubble->FOwner : kNoOwner;
}

TEST(Board, SnapshotsAreColumnMajorAndReadTwoOffTheBoard) {
  TestGame g(7, 5);
  // An uneven pattern, so that swapped offsets or a wrap-around through the clamped slot
  // lookup read a different owner.
  g.SetPosition({{0, 0, kBlue}, {1, 0, kGreen}, {0, 2, kGreen}, {2, 1, kBlue}, {6, 0, kGreen}, {6, 1, kGreen},
                 {5, 4, kBlue}, {3, 3, kGreen}, {4, 2, kBlue}, {6, 4, kGreen}, {2, 4, kBlue}});
  const std::array<std::array<int, 2>, 5> centres = {{{0, 0}, {6, 4}, {3, 2}, {0, 4}, {6, 1}}};
  for (auto [cx, cy] : centres) {
    SCOPED_TRACE("centre (" + std::to_string(cx) + ", " + std::to_string(cy) + ")");
    engine::TBubble probe(g.board(), cx, cy, kBlue, false);  // not stored: its own cell reads the board
    probe.ScanArea();
    probe.ScanRing();
    for (int dx = -2; dx <= 2; ++dx)
      for (int dy = -2; dy <= 2; ++dy) {
        const int want = OwnerOf(g.board(), cx + dx, cy + dy);
        EXPECT_EQ(probe.FArea[std::size_t((dx + 2) * 5 + dy + 2)], want) << "area offset " << dx << ", " << dy;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
          EXPECT_EQ(probe.FRing[std::size_t((dx + 1) * 3 + dy + 1)], want) << "ring offset " << dx << ", " << dy;
        }
      }
  }
  // The corner bubble: every entry with a negative offset is off the board.
  engine::TBubble& corner = *g.at(0, 0);
  corner.ScanArea();
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy)
      if (dx < 0 || dy < 0) {
        EXPECT_EQ(corner.FArea[std::size_t((dx + 2) * 5 + dy + 2)], kNoOwner);
      }
  EXPECT_EQ(corner.FArea[(1 + 2) * 5 + 2], kGreen);  // (1, 0)
  EXPECT_EQ(corner.FArea[2 * 5 + 2 + 2], kGreen);    // (0, 2)
  EXPECT_EQ(corner.FArea[(2 + 2) * 5 + 1 + 2], kBlue);  // (2, 1)
}

TEST(Board, SnapshotIsNotKeptInStepWithTheBoard) {
  TestGame g(7, 7);
  g.SetPosition({{3, 3, kBlue}});
  engine::TBubble& b = *g.at(3, 3);
  b.ScanRing();
  b.ScanArea();
  g.board().PutBubble(std::make_unique<engine::TBubble>(g.board(), 4, 4, kGreen, false));
  EXPECT_TRUE(b.NoEnemyNear());
  EXPECT_EQ(b.FRing[2 * 3 + 2], kNoOwner);
  b.ScanRing();
  EXPECT_FALSE(b.NoEnemyNear());
}

// Fills the 5×5 area around (cx, cy) on the board with bubbles, except the listed cells.
void FillArea(TestGame& g, int cx, int cy, engine::Player owner, const std::vector<std::array<int, 2>>& holes) {
  std::vector<std::array<int, 3>> cells;
  for (int x = cx - 2; x <= cx + 2; ++x)
    for (int y = cy - 2; y <= cy + 2; ++y) {
      if (!g.board().OnBoard(x, y)) continue;
      bool hole = false;
      for (auto [hx, hy] : holes) hole = hole || (hx == x && hy == y);
      if (!hole) cells.push_back({x, y, (x == cx && y == cy) ? owner : int((x + y) % 2)});
    }
  g.SetPosition(cells);
}

TEST(Board, CanMoveAsksForAnEmptyCellOfTheBoardWithinReach) {
  struct Case {
    const char* name;
    int cx, cy;
    std::vector<std::array<int, 2>> holes;
    bool canMove;
  };
  const Case cases[] = {
      {"full area in the middle", 3, 3, {}, false},
      {"full area on an edge", 0, 3, {}, false},
      {"full area in a corner", 0, 0, {}, false},
      {"full area in the far corner", 6, 6, {}, false},
      {"one clone cell free", 3, 3, {{4, 2}}, true},
      {"one jump cell free in a corner of the area", 3, 3, {{1, 5}}, true},
      {"one jump cell free beside an edge", 0, 3, {{2, 5}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    FillArea(g, c.cx, c.cy, kBlue, c.holes);
    engine::TBubble& b = *g.at(c.cx, c.cy);
    b.ScanArea();
    EXPECT_EQ(b.CanMove(), c.canMove);
  }
}

TEST(Board, NoEnemyNearLooksAtTheEightNeighboursForTheOpponent) {
  struct Case {
    const char* name;
    int cx, cy;
    engine::Player owner;
    std::vector<std::array<int, 3>> others;
    bool noEnemy;
  };
  const Case cases[] = {
      {"alone", 3, 3, kBlue, {}, true},
      {"own neighbours all round", 3, 3, kBlue,
       {{2, 2, kBlue}, {3, 2, kBlue}, {4, 2, kBlue}, {2, 3, kBlue}, {4, 3, kBlue}, {2, 4, kBlue}, {3, 4, kBlue}, {4, 4, kBlue}},
       true},
      {"opponent two cells away", 3, 3, kBlue, {{5, 3, kGreen}, {1, 1, kGreen}, {3, 5, kGreen}}, true},
      {"opponent to the left", 3, 3, kBlue, {{2, 3, kGreen}}, false},
      {"opponent below", 3, 3, kBlue, {{3, 4, kGreen}}, false},
      {"opponent on a diagonal", 3, 3, kBlue, {{4, 2, kGreen}}, false},
      {"a Green bubble beside a Blue one", 3, 3, kGreen, {{2, 4, kBlue}}, false},
      {"a Green bubble among Green ones", 3, 3, kGreen, {{2, 4, kGreen}, {4, 4, kGreen}}, true},
      // Off-board neighbours are not read through the clamped slot lookup.
      {"left edge, opponent in the slot of the cell before", 0, 3, kBlue, {{6, 2, kGreen}, {6, 1, kGreen}, {6, 3, kGreen}},
       true},
      {"right edge, opponent in the slot of the cell after", 6, 3, kBlue, {{0, 4, kGreen}, {0, 3, kGreen}, {0, 5, kGreen}},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    std::vector<std::array<int, 3>> cells = c.others;
    cells.push_back({c.cx, c.cy, c.owner});
    g.SetPosition(cells);
    engine::TBubble& b = *g.at(c.cx, c.cy);
    b.ScanRing();
    EXPECT_EQ(b.NoEnemyNear(), c.noEnemy);
  }
}

TEST(Board, StartingBubblesSeeTheOnesBuiltBeforeThem) {
  // On a 3 × 3 board every corner lies within the others' 5 × 5 areas.
  TestGame g(3, 3);
  auto area = [&](int x, int y) { return g.at(x, y)->FArea; };
  auto ring = [&](int x, int y) { return g.at(x, y)->FRing; };
  std::array<std::uint8_t, 25> empty;
  empty.fill(kNoOwner);
  // Built in the order Blue (0, 0), Blue (2, 2), Green (2, 0), Green (0, 2).
  std::array<std::uint8_t, 25> blue22 = empty;
  blue22[0] = kBlue;  // (0, 0) at offset (-2, -2)
  std::array<std::uint8_t, 25> green20 = empty;
  green20[0 * 5 + 2] = kBlue;  // (0, 0) at offset (-2, 0)
  green20[2 * 5 + 4] = kBlue;  // (2, 2) at offset (0, 2)
  std::array<std::uint8_t, 25> green02 = empty;
  green02[2 * 5 + 0] = kBlue;   // (0, 0) at offset (0, -2)
  green02[4 * 5 + 2] = kBlue;   // (2, 2) at offset (2, 0)
  green02[4 * 5 + 0] = kGreen;  // (2, 0) at offset (2, -2)
  EXPECT_EQ(area(0, 0), empty);
  EXPECT_EQ(area(2, 2), blue22);
  EXPECT_EQ(area(2, 0), green20);
  EXPECT_EQ(area(0, 2), green02);
  std::array<std::uint8_t, 9> emptyRing;
  emptyRing.fill(kNoOwner);
  for (auto [x, y] : std::array<std::array<int, 2>, 4>{{{0, 0}, {2, 2}, {2, 0}, {0, 2}}}) EXPECT_EQ(ring(x, y), emptyRing);
}

TEST(Board, CountBubblesCountsAVanishingBubbleUntilItHasGone) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  g.board().Click(0, 0);
  g.board().Click(2, 1);  // a jump
  ASSERT_EQ(g.at(0, 0)->FState, engine::asVanishing);
  engine::CountBubbles(g.game);
  EXPECT_EQ(g.game.BlueCount, 3);
  EXPECT_EQ(g.game.TotalCount, 5);
  for (int tick = 1; tick <= 13; ++tick) g.board().Tick();
  engine::CountBubbles(g.game);
  EXPECT_EQ(g.game.BlueCount, 3);
  g.board().Tick();
  engine::CountBubbles(g.game);
  EXPECT_EQ(g.game.BlueCount, 2);
  EXPECT_EQ(g.game.GreenCount, 2);
  EXPECT_EQ(g.game.TotalCount, 4);
}

TEST(Board, CountBubblesCountsABubbleChangingColourForItsNewOwner) {
  TestGame g(7, 7);
  g.SetPosition({{3, 3, kBlue}, {4, 4, kGreen}, {5, 5, kGreen}});
  g.at(4, 4)->StartTurn();
  engine::CountBubbles(g.game);
  EXPECT_EQ(g.game.BlueCount, 2);
  EXPECT_EQ(g.game.GreenCount, 1);
  EXPECT_EQ(g.game.TotalCount, 3);
}

TEST(Board, CountBubblesWithoutABoardKeepsTheCounts) {
  engine::GameState game;
  game.BlueCount = 5;
  game.GreenCount = 6;
  game.TotalCount = 11;
  engine::CountBubbles(game);
  EXPECT_EQ(game.BlueCount, 5);
  EXPECT_EQ(game.GreenCount, 6);
  EXPECT_EQ(game.TotalCount, 11);
}

}  // namespace
