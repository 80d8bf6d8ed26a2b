// A thousand seeded games on random board sizes, played through the engine tick by tick the
// way the main window drives it: the computer on either side or both, random clickers that
// also click where nothing should happen, several clicks between two ticks, random pulses.
// The board's invariants are checked after every tick and every click, the counts against a
// recount at every rest, and every game must end.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

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
using testing_display::TestGame;

enum class Side { Computer, Clicker };

struct GameSetup {
  int columns, rows;
  Side blue, green;
  std::uint32_t seed;
};

std::string Describe(const GameSetup& s) {
  auto name = [](Side side) { return side == Side::Computer ? "computer" : "clicker"; };
  return std::to_string(s.columns) + " x " + std::to_string(s.rows) + ", Blue " + name(s.blue) + ", Green " +
         name(s.green) + ", seed " + std::to_string(s.seed);
}

// Green's move is the program's own choice. Blue's applies the same evaluation to Blue's
// bubbles: the best gain of any bubble, ties settled at random.
std::optional<engine::ComputerChoice> ComputerChoiceFor(TestGame& g, std::mt19937& rng) {
  if (g.board().FPlayer == kGreen) return engine::ChooseComputerMove(g.game);
  std::optional<engine::ComputerChoice> choice;
  int best = -1;
  for (auto& slot : g.board().FCells) {
    if (!slot || slot->FOwner != kBlue) continue;
    int x = -1, y = -1, gain = 0;
    slot->BestTarget(x, y, gain);
    if (x < 0) continue;
    if (gain > best || (gain == best && rng() % 2 == 0)) {
      best = gain;
      choice = engine::ComputerChoice{{slot->FX, slot->FY}, {x, y}};
    }
  }
  return choice;
}

class SoakGame {
 public:
  explicit SoakGame(const GameSetup& setup) : setup_(setup), g_(setup.columns, setup.rows), rng_(setup.seed) {
    platform::SetRandSeed(setup.seed);
  }

  void Play() {
    const int limit = 200000;
    for (int tick = 0; tick < limit; ++tick, ++ticks_) {
      g_.board().Tick();
      if (tick % 5 == 4) engine::StartRandomPulse(g_.game);  // the pulse timer runs five times slower
      // The grid is drawn only by clicks; ticks draw inside cells, so a look now and then.
      ASSERT_TRUE(InvariantsHold(g_.game, true, tick % 16 == 0)) << "tick " << tick;
      if (g_.display.host.gameOvers > 0) return Finish();
      if (g_.game.AllIdle) {
        ASSERT_NO_FATAL_FAILURE(CheckAtRest()) << "tick " << tick;
      }
      ASSERT_NO_FATAL_FAILURE(BetweenTicks());
    }
    FAIL() << "no end within " << limit << " ticks";
  }

 private:
  Side SideToMove() const { return g_.game.Plane->FPlayer == kBlue ? setup_.blue : setup_.green; }

  // What can happen before the next tick: the computer moves once the board rests; a person
  // clicks none, one or several times, anywhere, and the window passes a click on only when
  // the last tick ended at rest. A move does not tick, so a click right after it still passes
  // and lands on a board whose new bubble is still growing.
  void BetweenTicks() {
    if (SideToMove() == Side::Computer) {
      if (g_.game.AllIdle) {
        ASSERT_NO_FATAL_FAILURE(ComputerMoves());
      }
      if (SideToMove() == Side::Computer) return;
    }
    const int clicks = std::array{0, 0, 0, 1, 1, 1, 1, 2, 3, 6}[rng_() % 10];
    for (int k = 0; k < clicks && SideToMove() == Side::Clicker; ++k) {
      if (!g_.game.AllIdle) continue;  // the window drops it
      ASSERT_NO_FATAL_FAILURE(Click(testing_display::RandomClick(g_.board(), rng_)));
    }
  }

  // The two clicks of the computer's move; the board does not tick during its pause.
  void ComputerMoves() {
    const auto choice = ComputerChoiceFor(g_, rng_);
    if (!choice) return;  // nothing chosen this time: the next rest tries again
    ASSERT_TRUE(g_.board().OnBoard(choice->Target.X, choice->Target.Y));
    ASSERT_EQ(g_.at(choice->Target.X, choice->Target.Y), nullptr);
    ASSERT_NO_FATAL_FAILURE(Click(choice->From));
    ASSERT_TRUE(g_.board().FSelected);
    const int moves = moves_;
    ASSERT_NO_FATAL_FAILURE(Click(choice->Target));
    ASSERT_EQ(moves_, moves + 1) << "the computer's target was refused";
  }

  void Click(engine::Cell cell) {
    engine::TPlayPlane& board = g_.board();
    const bool wasSelected = board.FSelected;
    const engine::Cell from{board.FSelX, board.FSelY};
    const engine::Player mover = board.FPlayer;
    board.Click(cell.X, cell.Y);
    const bool moved = board.FPlayer != mover;  // only a move hands the turn on
    ASSERT_TRUE(InvariantsHold(g_.game, false, moved || board.FSelected != wasSelected))
        << "after a click on (" << cell.X << ", " << cell.Y << ")";
    if (!moved) return;
    ASSERT_TRUE(wasSelected);
    ASSERT_TRUE(g_.game.TurnFinished);
    ASSERT_FALSE(board.FSelected);
    ++moves_;
    if (std::max(std::abs(cell.X - from.X), std::abs(cell.Y - from.Y)) == 1) ++clones_;
  }

  // At rest the whole history shows: one new bubble per clone, the player of the move count,
  // the caption bar in that player's colour, and counts that match a recount (invariants).
  void CheckAtRest() {
    ASSERT_FALSE(g_.game.TurnFinished);
    ASSERT_EQ(g_.game.TotalCount, 4 + clones_);
    ASSERT_EQ(g_.board().FPlayer, moves_ % 2 == 0 ? kBlue : kGreen);
    ASSERT_EQ(g_.display.statusBar2.Color(),
              moves_ % 2 == 0 ? platform::clBlueToMove : platform::clGreenToMove);
    ASSERT_FALSE(g_.board().FSelected && SideToMove() == Side::Computer);
  }

  void Finish() {
    ASSERT_EQ(g_.display.host.gameOvers, 1);
    // The player to move has no move, and the game-over counts are a fresh recount.
    ASSERT_FALSE(g_.board().PlayerCanMove(g_.board().FPlayer));
    ASSERT_TRUE(testing_display::CountsExact(g_.game));
    ASSERT_TRUE(InvariantsHold(g_.game, true));
    for (int extra = 0; extra < 30; ++extra) g_.board().Tick();
    ASSERT_EQ(g_.display.host.gameOvers, 1) << "the end was announced again";
  }

  GameSetup setup_;
  TestGame g_;
  std::mt19937 rng_;
  int moves_ = 0;
  int clones_ = 0;
  int ticks_ = 0;

 public:
  int Moves() const { return moves_; }
  int Ticks() const { return ticks_; }
};

GameSetup RandomSetup(std::uint32_t seed) {
  std::mt19937 rng(seed * 2654435761u);
  const int columns = std::uniform_int_distribution<int>(5, 19)(rng);
  const int rows = std::uniform_int_distribution<int>(5, 12)(rng);
  const Side sides[][2] = {{Side::Computer, Side::Computer},
                           {Side::Clicker, Side::Computer},
                           {Side::Computer, Side::Clicker},
                           {Side::Clicker, Side::Clicker}};
  const auto& pair = sides[seed % 4];
  return {columns, rows, pair[0], pair[1], seed};
}

constexpr int kBatches = 10;
constexpr int kGamesPerBatch = 100;

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, HundredSeededGamesPlayToTheEndWithTheInvariantsIntact) {
  long long moves = 0, ticks = 0;
  for (int k = 0; k < kGamesPerBatch; ++k) {
    const GameSetup setup = RandomSetup(std::uint32_t(GetParam() * kGamesPerBatch + k));
    SCOPED_TRACE(Describe(setup));
    SoakGame game(setup);
    ASSERT_NO_FATAL_FAILURE(game.Play());
    moves += game.Moves();
    ticks += game.Ticks();
  }
  // How much was played, for the record (--gtest_output).
  RecordProperty("moves", std::to_string(moves));
  RecordProperty("ticks", std::to_string(ticks));
}

INSTANTIATE_TEST_SUITE_P(Batches, Soak, ::testing::Range(0, kBatches));

}  // namespace
