// Whole games from the first move to the end: a random player for Blue, clicking anywhere,
// useful or not, against the computer for Green, with random pulses, checking the board's
// invariants after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/animation.h"
#include "engine/computer_player.h"
#include "engine/play_plane.h"
#include "platform/random.h"
#include "tests/engine/invariants.h"
#include "tests/engine/random_clicks.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using testing_display::InvariantsHold;
using testing_display::RandomClick;
using testing_display::TestGame;

struct Tally {
  int moves = 0, clones = 0, greenMoves = 0;
};

// Clicks (x, y), books a move if the click made one and checks the invariants; the picture
// only when the click changed the selection or moved.
void ClickAndBook(TestGame& g, engine::Cell cell, Tally& tally) {
  const bool wasSelected = g.board().FSelected;
  const int fromX = g.board().FSelX, fromY = g.board().FSelY;
  const engine::Player mover = g.board().FPlayer;
  g.board().Click(cell.X, cell.Y);
  const bool changed = g.board().FSelected != wasSelected || g.game.TurnFinished;
  ASSERT_TRUE(InvariantsHold(g.game, false, changed)) << "after a click on (" << cell.X << ", " << cell.Y << ")";
  if (!g.game.TurnFinished) return;
  ASSERT_TRUE(wasSelected);
  ++tally.moves;
  if (mover == kGreen) ++tally.greenMoves;
  if (std::max(std::abs(cell.X - fromX), std::abs(cell.Y - fromY)) == 1) ++tally.clones;
}

// Plays one game: Blue clicks at random; Green is the computer, or clicks at random too.
void PlayWholeGame(int sizeX, int sizeY, std::uint32_t seed, bool computerPlaysGreen) {
  SCOPED_TRACE(std::to_string(sizeX) + " x " + std::to_string(sizeY) + ", seed " + std::to_string(seed) +
               (computerPlaysGreen ? ", computer" : ", random") + " Green");
  TestGame g(sizeX, sizeY);
  platform::SetRandSeed(seed);
  std::mt19937 rng(seed);
  Tally tally;
  const int limit = 100000;
  int tick = 0;
  for (; tick < limit && g.display.host.gameOvers == 0; ++tick) {
    g.board().Tick();
    if (tick % 5 == 4) engine::StartRandomPulse(g.game);  // the pulse timer runs five times slower
    // Ticks draw only inside cells; the grid is looked at every tenth of them.
    ASSERT_TRUE(InvariantsHold(g.game, true, tick % 10 == 0)) << "tick " << tick;
    if (!g.game.AllIdle) continue;

    // At rest: the bookkeeping of every move made so far shows.
    ASSERT_FALSE(g.game.TurnFinished);
    ASSERT_EQ(g.game.TotalCount, 4 + tally.clones) << "tick " << tick;
    ASSERT_EQ(g.game.RoundNo, 1 + tally.greenMoves) << "tick " << tick;
    ASSERT_EQ(g.board().FPlayer, tally.moves % 2 == 0 ? kBlue : kGreen);
    ASSERT_EQ(g.display.statusBar2.Color(), tally.moves % 2 == 0 ? platform::clBlueToMove : platform::clGreenToMove);

    if (g.board().FPlayer == kBlue || !computerPlaysGreen) {
      ASSERT_NO_FATAL_FAILURE(ClickAndBook(g, RandomClick(g.board(), rng), tally));
    } else if (const auto choice = engine::ChooseComputerMove(g.game)) {
      ASSERT_TRUE(g.board().OnBoard(choice->Target.X, choice->Target.Y));
      ASSERT_EQ(g.at(choice->Target.X, choice->Target.Y), nullptr);
      ASSERT_NO_FATAL_FAILURE(ClickAndBook(g, choice->From, tally));
      ASSERT_TRUE(g.board().FSelected);
      ASSERT_NO_FATAL_FAILURE(ClickAndBook(g, choice->Target, tally));
      ASSERT_TRUE(g.game.TurnFinished);
    }
  }
  ASSERT_EQ(g.display.host.gameOvers, 1) << "no end within " << limit << " ticks";
  // The game ended because the player to move has no move.
  EXPECT_FALSE(g.board().PlayerCanMove(g.board().FPlayer));
  EXPECT_TRUE(InvariantsHold(g.game, true));
  EXPECT_GT(tally.moves, 0);
  for (int extra = 0; extra < 50; ++extra) g.board().Tick();
  EXPECT_EQ(g.display.host.gameOvers, 1);
}

TEST(WholeGame, RandomClicksAgainstTheComputerPlayToTheEndWithTheInvariantsIntact) {
  PlayWholeGame(7, 7, 1, true);
  PlayWholeGame(7, 7, 2024, true);
  PlayWholeGame(3, 3, 9, true);
  std::mt19937 sizes(7);
  for (std::uint32_t game = 0; game < 3; ++game) {
    const int sx = std::uniform_int_distribution<int>(3, 19)(sizes);
    const int sy = std::uniform_int_distribution<int>(3, 12)(sizes);
    PlayWholeGame(sx, sy, 100u + game, true);
  }
}

TEST(WholeGame, RandomClicksOnBothSidesPlayToTheEndWithTheInvariantsIntact) {
  // Evenly matched players fill the board, so these games end in more ways than one.
  PlayWholeGame(7, 7, 3, false);
  PlayWholeGame(19, 12, 4, false);
  std::mt19937 sizes(11);
  for (std::uint32_t game = 0; game < 4; ++game) {
    const int sx = std::uniform_int_distribution<int>(3, 19)(sizes);
    const int sy = std::uniform_int_distribution<int>(3, 12)(sizes);
    PlayWholeGame(sx, sy, 200u + game, false);
  }
}

}  // namespace
