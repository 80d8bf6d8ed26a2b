// Moves and the turn cycle: selecting and deselecting, the clicks that do nothing, clones and
// jumps, the end of a turn once the board rests, the round, and the end of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "engine/computer_player.h"
#include "engine/play_plane.h"
#include "platform/random.h"
#include "tests/engine/picture_check.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using testing_display::FrameColour;
using testing_display::TestGame;

// A fresh 7 × 7 game whose starting bubbles have finished growing.
struct RestingGame : TestGame {
  RestingGame() : TestGame(7, 7) { EXPECT_EQ(TickUntilIdle(), 14); }
};

// Everything a click could change.
struct ClickState {
  bool selected;
  int selX, selY;
  engine::Player player;
  bool turnFinished;
  std::vector<std::array<int, 5>> bubbles;  // x, y, owner, state, frame
  platform::Bitmap picture;
  bool operator==(const ClickState& o) const {
    return selected == o.selected && selX == o.selX && selY == o.selY && player == o.player &&
           turnFinished == o.turnFinished && bubbles == o.bubbles && testing_display::SamePicture(picture, o.picture);
  }
};
ClickState StateOf(TestGame& g) {
  ClickState s{g.board().FSelected, g.board().FSelX, g.board().FSelY, g.board().FPlayer, g.game.TurnFinished, {}, g.image()};
  for (const auto& b : g.board().FCells)
    if (b) s.bubbles.push_back({b->FX, b->FY, b->FOwner, b->FState, b->FFrame});
  return s;
}

bool IndicatorShows(const platform::Bitmap& indicator, int frame) {
  return testing_display::PictureMatches(indicator, [frame](int, int) { return FrameColour(4, frame); });
}

TEST(TurnCycle, ClickOnAMovableOwnBubbleSelectsItAndAgainDeselects) {
  RestingGame g;
  g.board().Click(0, 0);
  EXPECT_TRUE(g.board().FSelected);
  EXPECT_EQ(g.board().FSelX, 0);
  EXPECT_EQ(g.board().FSelY, 0);
  g.board().Click(0, 0);
  EXPECT_FALSE(g.board().FSelected);
  // The last selection is remembered even though nothing is selected.
  EXPECT_EQ(g.board().FSelX, 0);
  g.board().Click(6, 6);
  EXPECT_TRUE(g.board().FSelected);
  EXPECT_EQ(g.board().FSelX, 6);
  EXPECT_EQ(g.board().FSelY, 6);
  EXPECT_EQ(g.board().FPlayer, kBlue);
  EXPECT_FALSE(g.game.TurnFinished);
}

TEST(TurnCycle, ClicksThatAreNeitherSelectionNorMoveChangeNothing) {
  struct Case {
    const char* name;
    bool selectFirst;  // (0, 0) selected before the click
    int x, y;
  };
  const Case cases[] = {
      {"empty cell out of reach", true, 3, 0},
      {"empty cell three steps away diagonally", true, 3, 3},
      {"the other own bubble", true, 6, 6},
      {"an opponent bubble", true, 6, 0},
      {"empty cell with nothing selected", false, 1, 1},
      {"opponent bubble with nothing selected", false, 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RestingGame g;
    if (c.selectFirst) g.board().Click(0, 0);
    const ClickState before = StateOf(g);
    g.board().Click(c.x, c.y);
    EXPECT_TRUE(StateOf(g) == before);
  }
}

TEST(TurnCycle, BubbleWithoutAnEmptyCellInReachCannotBeSelected) {
  struct Case {
    const char* name;
    int sizeX, sizeY;
    std::vector<std::array<int, 3>> position;
    engine::Player mover;
    int x, y;
  };
  const Case cases[] = {
      // (0, 0) is walled in by Green; Blue's other bubble could move.
      {"own bubble in a full corner", 7, 7, {{0, 0, kBlue}, {1, 0, kGreen}, {2, 0, kGreen}, {0, 1, kGreen}, {1, 1, kGreen},
                                       {2, 1, kGreen}, {0, 2, kGreen}, {1, 2, kGreen}, {2, 2, kGreen}, {6, 6, kBlue}},
       kBlue, 0, 0},
      // A full 3 × 3 board: the player to move has no move at all.
      {"full board", 3, 3, {{0, 0, kGreen}, {1, 0, kBlue}, {2, 0, kGreen}, {0, 1, kBlue}, {1, 1, kGreen},
                      {2, 1, kBlue}, {0, 2, kGreen}, {1, 2, kBlue}, {2, 2, kGreen}},
       kGreen, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(c.sizeX, c.sizeY);
    g.SetPosition(c.position);
    g.board().FPlayer = c.mover;
    g.TickUntilIdle();
    const ClickState before = StateOf(g);
    g.board().Click(c.x, c.y);
    EXPECT_TRUE(StateOf(g) == before);
  }
}

TEST(TurnCycle, CloneHandsTheMoveOverAtOnceAndTheTurnEndsWhenTheNewBubbleHasGrown) {
  RestingGame g;
  const int indicatorRepaints = g.display.host.indicatorRepaints;
  g.board().Click(0, 0);
  g.board().Click(1, 1);
  EXPECT_EQ(g.board().FPlayer, kGreen);
  EXPECT_TRUE(g.game.TurnFinished);
  EXPECT_FALSE(g.game.AllIdle);  // the board no longer rests, before any tick
  EXPECT_FALSE(g.board().FSelected);
  ASSERT_NE(g.at(1, 1), nullptr);
  EXPECT_EQ(g.at(1, 1)->FOwner, kBlue);
  EXPECT_EQ(g.at(1, 1)->FState, engine::asGrowing);
  EXPECT_EQ(g.at(0, 0)->FState, engine::asIdle);
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clBlueToMove);

  int tick = 0;
  while (g.game.TurnFinished && tick < 100) {
    g.board().Tick();
    ++tick;
    if (g.game.TurnFinished) {
      EXPECT_FALSE(g.game.AllIdle) << tick;
      EXPECT_EQ(g.display.statusBar2.Color(), platform::clBlueToMove) << tick;
    }
  }
  EXPECT_EQ(tick, 14);
  EXPECT_TRUE(g.game.AllIdle);
  EXPECT_EQ(g.game.RoundNo, 1);
  EXPECT_FALSE(g.game.GameOverPending);
  EXPECT_EQ(g.display.host.gameOvers, 0);
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clGreenToMove);
  EXPECT_TRUE(IndicatorShows(g.display.indicator, 1));
  EXPECT_EQ(g.display.host.indicatorRepaints, indicatorRepaints + 1);
  EXPECT_EQ(g.display.statusBar1.PanelText(0), "3     ( 60% )");
  EXPECT_EQ(g.display.statusBar1.PanelText(1), "2     ( 40% )");
  EXPECT_EQ(g.display.statusBar1.PanelText(2), "5");
  EXPECT_EQ(g.display.statusBar1.PanelText(3), "1");
}

TEST(TurnCycle, JumpEmptiesTheOldCellAndKeepsTheCount) {
  RestingGame g;
  g.board().Click(0, 0);
  g.board().Click(2, 1);
  EXPECT_EQ(g.at(0, 0)->FState, engine::asVanishing);
  EXPECT_EQ(g.at(2, 1)->FState, engine::asGrowing);
  EXPECT_EQ(g.board().FPlayer, kGreen);
  int tick = 0;
  while (g.game.TurnFinished && tick < 100) {
    g.board().Tick();
    ++tick;
  }
  EXPECT_EQ(tick, 14);
  EXPECT_EQ(g.at(0, 0), nullptr);
  EXPECT_EQ(g.at(2, 1)->FOwner, kBlue);
  EXPECT_EQ(g.game.BlueCount, 2);
  EXPECT_EQ(g.game.TotalCount, 4);
  EXPECT_EQ(g.display.statusBar1.PanelText(0), "2     ( 50% )");
}

TEST(TurnCycle, MoveTargetsAreTheEmptyCellsWithinTwoSteps) {
  // TargetKind over the whole 5 × 5 area of a bubble, with one cell of each ring occupied.
  TestGame g(7, 7);
  g.SetPosition({{3, 3, kBlue}, {4, 2, kGreen}, {1, 4, kBlue}});
  const engine::TBubble& b = *g.at(3, 3);
  for (int x = 0; x < 7; ++x)
    for (int y = 0; y < 7; ++y) {
      std::uint8_t adjacent = 7;
      const bool legal = b.TargetKind(x, y, adjacent);
      const int distance = std::max(std::abs(x - 3), std::abs(y - 3));
      const bool occupied = g.at(x, y) != nullptr;
      EXPECT_EQ(legal, !occupied && distance >= 1 && distance <= 2) << x << ", " << y;
      EXPECT_EQ(adjacent, legal ? (distance == 1 ? 1 : 0) : 7) << x << ", " << y;
    }
}

TEST(TurnCycle, TurnWaitsForEveryColourChangeAndTheNextPlayerIsJudgedAfterIt) {
  TestGame g(7, 7);
  // Blue clones (2, 2) -> (3, 3), turning Green's (4, 2) (earlier slot) and (2, 4) (later
  // slot). Green's only other bubble, (6, 6), is walled in, so Green then has no move.
  g.SetPosition({{2, 2, kBlue}, {4, 2, kGreen}, {2, 4, kGreen}, {6, 6, kGreen}, {4, 4, kBlue}, {5, 4, kBlue},
                 {6, 4, kBlue}, {4, 5, kBlue}, {5, 5, kBlue}, {6, 5, kBlue}, {4, 6, kBlue}, {5, 6, kBlue}});
  g.TickUntilIdle();
  int blueAtGameOver = -1, greenAtGameOver = -1;
  g.display.host.onGameOver = [&] {
    blueAtGameOver = g.game.BlueCount;
    greenAtGameOver = g.game.GreenCount;
  };
  g.board().Click(2, 2);
  g.board().Click(3, 3);
  int tick = 0;
  while (g.game.TurnFinished && tick < 100) {
    g.board().Tick();
    ++tick;
    if (g.game.TurnFinished) {
      EXPECT_EQ(g.display.host.gameOvers, 0) << tick;
    }
  }
  // 14 ticks of growth; the capture in the earlier slot starts a tick late and runs 26.
  EXPECT_EQ(tick, 14 + 26);
  EXPECT_EQ(g.display.host.gameOvers, 1);
  EXPECT_FALSE(g.game.GameOverPending);
  EXPECT_EQ(blueAtGameOver, 12);
  EXPECT_EQ(greenAtGameOver, 1);
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clGreenToMove);
}

TEST(TurnCycle, RoundIsRaisedInTheTickThatEndsGreensTurn) {
  RestingGame g;
  g.board().Click(0, 0);
  g.board().Click(1, 1);
  EXPECT_EQ(g.TickUntilIdle(), 14);
  EXPECT_EQ(g.game.RoundNo, 1);
  g.board().Click(6, 0);
  g.board().Click(5, 1);
  for (int tick = 1; tick <= 13; ++tick) {
    g.board().Tick();
    ASSERT_EQ(g.game.RoundNo, 1) << tick;
    ASSERT_EQ(g.display.statusBar1.PanelText(3), "1") << tick;
  }
  g.board().Tick();
  EXPECT_FALSE(g.game.TurnFinished);
  EXPECT_EQ(g.game.RoundNo, 2);
  EXPECT_EQ(g.display.statusBar1.PanelText(3), "2");
  EXPECT_EQ(g.board().FPlayer, kBlue);
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clBlueToMove);
  EXPECT_TRUE(IndicatorShows(g.display.indicator, 0));
}

TEST(TurnCycle, GameEndsWhenTheNextPlayerHasNoMoveEvenIfTheMoverStillHas) {
  // 7 × 3: Green fills columns 0 to 2 and reaches column 4; Blue fills the last empty cell
  // there without touching Green. Blue could still move into columns 5 and 6; Green has more
  // bubbles and wins.
  TestGame g(7, 3);
  std::vector<std::array<int, 3>> cells;
  for (int x = 0; x <= 2; ++x)
    for (int y = 0; y <= 2; ++y) cells.push_back({x, y, kGreen});
  for (auto [x, y] : std::vector<std::array<int, 2>>{{3, 0}, {3, 1}, {3, 2}, {4, 0}, {4, 2}}) cells.push_back({x, y, kBlue});
  g.SetPosition(cells);
  g.TickUntilIdle();
  int blueAtGameOver = -1, greenAtGameOver = -1;
  g.display.host.onGameOver = [&] {
    blueAtGameOver = g.game.BlueCount;
    greenAtGameOver = g.game.GreenCount;
  };
  g.board().Click(4, 0);
  g.board().Click(4, 1);
  for (int tick = 1; tick <= 13; ++tick) {
    g.board().Tick();
    ASSERT_EQ(g.display.host.gameOvers, 0) << tick;
  }
  g.board().Tick();
  EXPECT_EQ(g.display.host.gameOvers, 1);
  EXPECT_FALSE(g.game.GameOverPending);
  EXPECT_EQ(blueAtGameOver, 6);
  EXPECT_EQ(greenAtGameOver, 9);
  EXPECT_EQ(g.board().FPlayer, kGreen);
  EXPECT_TRUE(g.board().PlayerCanMove(kBlue));

  // The board stays as it is: no second announcement, no Green bubble can be selected, and
  // the computer finds nothing to play.
  for (int tick = 0; tick < 100; ++tick) g.board().Tick();
  EXPECT_EQ(g.display.host.gameOvers, 1);
  for (int x = 0; x <= 2; ++x)
    for (int y = 0; y <= 2; ++y) {
      g.board().Click(x, y);
      EXPECT_FALSE(g.board().FSelected) << x << ", " << y;
    }
  EXPECT_FALSE(engine::ChooseComputerMove(g.game).has_value());
}

TEST(TurnCycle, NoEndOfGameTestBeforeTheFirstMoveOnABoard) {
  struct Case {
    const char* name;
    std::function<void(TestGame&)> prepare;
  };
  const Case cases[] = {
      {"fresh board", [](TestGame&) {}},
      {"restarted board", [](TestGame& g) {
         g.TickUntilIdle();
         g.board().Restart(5, 6);
       }},
      // A position as a loaded game may hold it: Blue to move and walled in.
      {"position in which the mover has no move", [](TestGame& g) {
         g.SetPosition({{0, 0, kBlue}, {1, 0, kGreen}, {2, 0, kGreen}, {0, 1, kGreen}, {1, 1, kGreen}, {2, 1, kGreen},
                        {0, 2, kGreen}, {1, 2, kGreen}, {2, 2, kGreen}});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    c.prepare(g);
    for (int tick = 0; tick < 200; ++tick) g.board().Tick();
    EXPECT_TRUE(g.game.AllIdle);
    EXPECT_EQ(g.display.host.gameOvers, 0);
    EXPECT_FALSE(g.game.GameOverPending);
    EXPECT_EQ(g.game.RoundNo, 1);
    EXPECT_EQ(g.board().FPlayer, kBlue);
  }
}

TEST(TurnCycle, ComputerMoveIsPlayedThroughTheSameTwoClicks) {
  RestingGame g;
  g.board().Click(0, 0);
  g.board().Click(1, 1);
  g.TickUntilIdle();
  platform::SetRandSeed(5);
  const auto choice = engine::ChooseComputerMove(g.game);
  ASSERT_TRUE(choice.has_value());
  g.board().Click(choice->From.X, choice->From.Y);
  EXPECT_TRUE(g.board().FSelected);
  g.board().Click(choice->Target.X, choice->Target.Y);
  EXPECT_TRUE(g.game.TurnFinished);
  EXPECT_EQ(g.board().FPlayer, kBlue);
  ASSERT_NE(g.at(choice->Target.X, choice->Target.Y), nullptr);
  EXPECT_EQ(g.at(choice->Target.X, choice->Target.Y)->FOwner, kGreen);
}

}  // namespace
