// The computer's choice for Green: the value of a target, the best target of one bubble and
// the best move of all, with ties broken by a fair coin that favours later cells and bubbles.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/computer_player.h"
#include "engine/play_plane.h"
#include "platform/random.h"
#include "tests/engine/test_display.h"

namespace {

using engine::Cell;
using engine::kBlue;
using engine::kGreen;
using testing_display::TestGame;

using Cells = std::vector<std::array<int, 3>>;

constexpr int kTrials = 4000;

// Six standard deviations of a share over kTrials draws, so that a correct coin practically
// never fails, yet a share of 1/32 is told apart from none.
double Tolerance(double p) { return 6.0 * std::sqrt(p * (1.0 - p) / kTrials) + 0.002; }

TEST(ComputerPlayer, ScoreTargetCountsTheOpponentsAroundTheTargetPlusOneForAClone) {
  struct Case {
    const char* name;
    int gx, gy;  // the Green bubble
    Cells others;
    int tx, ty;
    int value;
  };
  const Case cases[] = {
      {"clone turning nothing", 3, 3, {}, 4, 3, 1},
      {"jump turning nothing", 3, 3, {}, 5, 3, 0},
      {"jump turning two", 3, 3, {{6, 2, kBlue}, {6, 4, kBlue}}, 5, 3, 2},
      {"clone turning one", 3, 3, {{5, 4, kBlue}}, 4, 3, 2},
      {"clone with Blue all round", 3, 3,
       {{3, 2, kBlue}, {4, 2, kBlue}, {5, 2, kBlue}, {5, 3, kBlue}, {3, 4, kBlue}, {4, 4, kBlue}, {5, 4, kBlue}}, 4, 3, 8},
      {"Green neighbours count nothing", 3, 3, {{5, 3, kGreen}, {5, 4, kGreen}}, 4, 3, 1},
      {"Blue two cells from the target counts nothing", 3, 3, {{6, 3, kBlue}, {4, 5, kBlue}}, 4, 3, 1},
      {"diagonal jump turning three", 3, 3, {{6, 6, kBlue}, {4, 6, kBlue}, {6, 4, kBlue}, {1, 1, kBlue}}, 5, 5, 3},
      // Cells off the board are not read through the clamped slot lookup.
      {"target on the left edge", 1, 3, {{6, 1, kBlue}, {6, 2, kBlue}, {6, 3, kBlue}}, 0, 3, 1},
      {"target on the right edge", 4, 3, {{0, 4, kBlue}, {0, 5, kBlue}, {0, 6, kBlue}}, 6, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    Cells cells = c.others;
    cells.push_back({c.gx, c.gy, kGreen});
    g.SetPosition(cells);
    EXPECT_EQ(g.at(c.gx, c.gy)->ScoreTarget(c.tx, c.ty), c.value);
  }
}

TEST(ComputerPlayer, ScoreTargetCountsANeighbourByOwnerWhateverItsAnimation) {
  TestGame g(7, 7);
  g.SetPosition({{3, 3, kGreen}, {5, 4, kBlue}, {5, 2, kGreen}});
  g.at(5, 4)->StartVanish();
  g.at(5, 2)->StartTurn();  // now Blue, changing colour
  EXPECT_EQ(g.at(3, 3)->ScoreTarget(4, 3), 3);
}

// How often each outcome came up, as a share of the trials.
template <typename Key>
std::map<Key, double> Shares(const std::map<Key, int>& counts) {
  std::map<Key, double> shares;
  for (const auto& [k, n] : counts) shares[k] = double(n) / kTrials;
  return shares;
}

template <typename Key>
void ExpectShares(const std::map<Key, int>& counts, const std::map<Key, double>& expected) {
  const auto shares = Shares(counts);
  for (const auto& [k, share] : shares)
    EXPECT_TRUE(expected.count(k)) << "unexpected outcome " << ::testing::PrintToString(k) << " (" << share << ")";
  for (const auto& [k, want] : expected) {
    const double got = shares.count(k) ? shares.at(k) : 0.0;
    EXPECT_NEAR(got, want, Tolerance(want)) << "outcome " << ::testing::PrintToString(k);
  }
}

using Target = std::pair<int, int>;

// A Green bubble at (2, 2) whose 5 × 5 area is full of Green except the clone cell (1, 1) and
// the jump cell (4, 4).
Cells TwoTargets(bool blueNearClone, bool blueNearJump) {
  Cells cells;
  for (int x = 0; x <= 4; ++x)
    for (int y = 0; y <= 4; ++y)
      if (!(x == 1 && y == 1) && !(x == 4 && y == 4)) cells.push_back({x, y, kGreen});
  if (blueNearClone) cells[0] = {0, 0, kBlue};
  if (blueNearJump) {
    cells.push_back({5, 4, kBlue});
    cells.push_back({5, 5, kBlue});
  }
  return cells;
}

// Column x of a 3-row board, filled with one owner.
void Wall(Cells& cells, int x, engine::Player owner) {
  for (int y = 0; y < 3; ++y) cells.push_back({x, y, owner});
}

TEST(ComputerPlayer, BestTargetTakesTheHighestValueAndSplitsTiesByACoin) {
  struct Case {
    const char* name;
    int sizeX, sizeY;
    Cells position;
    int gx, gy;
    std::map<Target, double> shares;  // (-1, -1): no target recorded
    int gain;
  };
  Cells walls;
  Wall(walls, 0, kBlue);
  Wall(walls, 6, kBlue);
  walls.push_back({3, 1, kGreen});
  const Case cases[] = {
      {"a clone turning nothing beats a jump turning nothing", 7, 7, TwoTargets(false, false), 2, 2, {{{1, 1}, 1.0}}, 1},
      {"a jump turning two beats a clone turning nothing", 7, 7, TwoTargets(false, true), 2, 2, {{{4, 4}, 1.0}}, 2},
      {"a clone turning one ties a jump turning two", 7, 7, TwoTargets(true, true), 2, 2, {{{1, 1}, 0.5}, {{4, 4}, 0.5}}, 2},
      {"two jumps turning three", 19, 3, walls, 3, 1, {{{1, 1}, 0.5}, {{5, 1}, 0.5}}, 3},
      // Only jumps turning nothing: each cell in column order replaces the one before when
      // its coin is taken, even the first.
      {"only jumps turning nothing", 7, 7, {{0, 0, kGreen}, {1, 0, kGreen}, {0, 1, kGreen}, {1, 1, kGreen}}, 0, 0,
       {{{0, 2}, 1.0 / 32}, {{1, 2}, 1.0 / 16}, {{2, 0}, 1.0 / 8}, {{2, 1}, 1.0 / 4}, {{2, 2}, 1.0 / 2}, {{-1, -1}, 1.0 / 32}},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(c.sizeX, c.sizeY);
    g.SetPosition(c.position);
    engine::TBubble& b = *g.at(c.gx, c.gy);
    ASSERT_EQ(b.FOwner, kGreen);
    platform::SetRandSeed(12345);
    std::map<Target, int> counts;
    for (int trial = 0; trial < kTrials; ++trial) {
      int tx = 99, ty = 99, gain = 99;
      b.BestTarget(tx, ty, gain);
      ++counts[{tx, ty}];
      ASSERT_EQ(gain, c.gain);
    }
    ExpectShares(counts, c.shares);
  }
}

TEST(ComputerPlayer, EqualBestMovesOfSeveralBubblesFavourTheLaterInColumnOrder) {
  // 19 × 7: each Green bubble's best moves are jumps of value 3 beside a Blue wall three
  // cells high. Column order and row order differ: by rows, (7, 1) would come first and
  // (1, 5) last.
  struct Case {
    const char* name;
    std::vector<Cell> greens;
    std::vector<Cell> walls;       // the top cell of each wall
    std::map<int, double> shares;  // by the chosen bubble's column
  };
  const Case cases[] = {
      {"two bubbles", {{1, 5}, {7, 1}}, {{4, 4}, {10, 0}}, {{1, 0.5}, {7, 0.5}}},
      {"three bubbles", {{1, 5}, {7, 1}, {13, 3}}, {{4, 4}, {10, 0}, {16, 2}}, {{1, 0.25}, {7, 0.25}, {13, 0.5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(19, 7);
    Cells cells;
    for (const Cell& green : c.greens) cells.push_back({green.X, green.Y, kGreen});
    for (const Cell& top : c.walls)
      for (int y = top.Y; y < top.Y + 3; ++y) cells.push_back({top.X, y, kBlue});
    g.SetPosition(cells);
    g.board().FPlayer = kGreen;
    platform::SetRandSeed(777);
    std::map<int, int> counts;
    for (int trial = 0; trial < kTrials; ++trial) {
      const auto choice = engine::ChooseComputerMove(g.game);
      ASSERT_TRUE(choice.has_value());
      const engine::TBubble* from = g.at(choice->From.X, choice->From.Y);
      ASSERT_TRUE(from != nullptr && from->FOwner == kGreen);
      ++counts[choice->From.X];
      // The move played is one of the chosen bubble's value-3 jumps, beside a wall.
      ASSERT_EQ(g.at(choice->From.X, choice->From.Y)->ScoreTarget(choice->Target.X, choice->Target.Y), 3);
    }
    ExpectShares(counts, c.shares);
  }
}

TEST(ComputerPlayer, ZeroValueJumpsNeverStandAloneSoTheComputerAlwaysMoves) {
  // The Green corner bubble's own moves are jumps worth nothing, but the cell between a
  // bubble and any jump target is occupied: a Green bubble there can clone into the target
  // (worth at least one), a Blue one makes the jump worth one. So every call finds a move,
  // and always a legal one.
  TestGame g(7, 7);
  g.SetPosition({{0, 0, kGreen}, {1, 0, kGreen}, {0, 1, kGreen}, {1, 1, kGreen}, {6, 6, kBlue}});
  g.board().FPlayer = kGreen;
  platform::SetRandSeed(4242);
  for (int trial = 0; trial < kTrials; ++trial) {
    const auto choice = engine::ChooseComputerMove(g.game);
    ASSERT_TRUE(choice.has_value());
    const engine::TBubble* from = g.at(choice->From.X, choice->From.Y);
    ASSERT_NE(from, nullptr);
    ASSERT_EQ(from->FOwner, kGreen);
    ASSERT_TRUE(g.board().OnBoard(choice->Target.X, choice->Target.Y));
    ASSERT_EQ(g.at(choice->Target.X, choice->Target.Y), nullptr);
    std::uint8_t adjacent = 0;
    ASSERT_TRUE(from->TargetKind(choice->Target.X, choice->Target.Y, adjacent));
    ASSERT_EQ(adjacent, 1);  // a clone, worth one, beats every jump here
  }
}

TEST(ComputerPlayer, NothingIsChosenWhenNoGreenBubbleHasATarget) {
  struct Case {
    const char* name;
    int sizeX, sizeY;
    Cells position;
  };
  Cells full;
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y) full.push_back({x, y, (x + y) % 2 ? kBlue : kGreen});
  const Case cases[] = {
      {"full board", 3, 3, full},
      {"Green walled in", 7, 7, {{0, 0, kGreen}, {1, 0, kBlue}, {2, 0, kBlue}, {0, 1, kBlue}, {1, 1, kBlue},
                                 {2, 1, kBlue}, {0, 2, kBlue}, {1, 2, kBlue}, {2, 2, kBlue}}},
      {"no Green bubble", 7, 7, {{3, 3, kBlue}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(c.sizeX, c.sizeY);
    g.SetPosition(c.position);
    g.board().FPlayer = kGreen;
    platform::SetRandSeed(31);
    EXPECT_FALSE(engine::ChooseComputerMove(g.game).has_value());
    EXPECT_EQ(platform::RandSeed(), 31u);  // no coin was needed
  }
  engine::GameState noBoard;
  EXPECT_FALSE(engine::ChooseComputerMove(noBoard).has_value());
}

TEST(ComputerPlayer, IndexToCellReadsSlotsRowByRow) {
  TestGame g(9, 5);
  const std::pair<int, Cell> cases[] = {{0, {0, 0}}, {8, {8, 0}}, {9, {0, 1}}, {22, {4, 2}}, {44, {8, 4}}};
  for (const auto& [slot, cell] : cases) EXPECT_EQ(engine::IndexToCell(g.game, slot), cell) << slot;
  engine::GameState noBoard;
  EXPECT_FALSE(engine::IndexToCell(noBoard, 3).has_value());
}

}  // namespace
