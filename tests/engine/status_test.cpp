// The status bars: the counts with their shares, the total and the round, rewritten only
// when they change; the caption bar's colour and the turn indicator for the player to move.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/play_plane.h"
#include "engine/status.h"
#include "tests/engine/picture_check.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using testing_display::TestGame;

// A position with the given numbers of bubbles, Blue's from the top-left corner, Green's from
// the bottom-right.
std::vector<std::array<int, 3>> Bubbles(int blue, int green) {
  std::vector<std::array<int, 3>> cells;
  for (int i = 0; i < blue; ++i) cells.push_back({i % 7, i / 7, kBlue});
  for (int i = 0; i < green; ++i) cells.push_back({6 - i % 7, 6 - i / 7, kGreen});
  return cells;
}

TEST(Status, PanelsShowCountsWithSharesThatAddUpToAHundred) {
  struct Case {
    int blue, green;
    std::string panel0, panel1, panel2;
  };
  const Case cases[] = {
      {2, 2, "2     ( 50% )", "2     ( 50% )", "4"},
      {1, 2, "1     ( 33% )", "2     ( 67% )", "3"},
      {2, 1, "2     ( 66% )", "1     ( 34% )", "3"},
      {1, 6, "1     ( 14% )", "6     ( 86% )", "7"},
      {0, 3, "0     ( 0% )", "3     ( 100% )", "3"},
      {3, 0, "3     ( 100% )", "0     ( 0% )", "3"},
      // An empty board, which only a loaded file can hold: no share for either side.
      {0, 0, "0     ( 0% )", "0     ( 0% )", "0"},
      {24, 25, "24     ( 48% )", "25     ( 52% )", "49"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.blue) + " Blue, " + std::to_string(c.green) + " Green");
    TestGame g(7, 7);
    g.SetPosition(Bubbles(c.blue, c.green));
    g.game.RoundNo = 17;
    g.game.BlueCount = g.game.GreenCount = g.game.TotalCount = -1;  // ShowStatus recounts
    engine::ShowStatus(g.game);
    EXPECT_EQ(g.display.statusBar1.PanelText(0), c.panel0);
    EXPECT_EQ(g.display.statusBar1.PanelText(1), c.panel1);
    EXPECT_EQ(g.display.statusBar1.PanelText(2), c.panel2);
    EXPECT_EQ(g.display.statusBar1.PanelText(3), "17");
    EXPECT_EQ(g.game.BlueCount, c.blue);
    EXPECT_EQ(g.game.GreenCount, c.green);
    EXPECT_EQ(g.game.TotalCount, c.blue + c.green);
  }
}

TEST(Status, UnchangedTextsAreNotWrittenAgain) {
  TestGame g(7, 7);
  std::vector<int> changed;
  g.display.statusBar1.OnChange = [&](int panel) { changed.push_back(panel); };
  g.TickUntilIdle();
  EXPECT_EQ(changed, (std::vector<int>{0, 1, 2, 3}));
  changed.clear();
  for (int tick = 0; tick < 20; ++tick) g.board().Tick();  // at rest, rewritten every tick
  EXPECT_TRUE(changed.empty());
  g.game.RoundNo = 9;
  g.board().Tick();
  EXPECT_EQ(changed, (std::vector<int>{3}));
}

TEST(Status, PanelsKeepTheLastNumbersAtRestWhileBubblesAnimate) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  g.board().Click(0, 0);
  g.board().Click(1, 1);
  for (int tick = 1; tick <= 13; ++tick) {
    g.board().Tick();
    ASSERT_EQ(g.display.statusBar1.PanelText(2), "4") << tick;
  }
  g.board().Tick();
  EXPECT_EQ(g.display.statusBar1.PanelText(2), "5");
}

TEST(Status, NewGameShowsItsSizeAtOnceAndRoundOneAtTheNextTickAtRest) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  g.game.RoundNo = 6;
  g.board().Tick();
  ASSERT_EQ(g.display.statusBar1.PanelText(3), "6");
  g.board().FPlayer = kGreen;
  engine::ShowTurn(g.game, kGreen);
  g.board().Restart(12, 4);
  EXPECT_EQ(g.display.statusBar1.PanelText(4), "12x4");
  EXPECT_EQ(g.display.statusBar2.Color(), platform::clBlueToMove);
  int tick = 0;
  while (g.display.statusBar1.PanelText(3) == "6" && tick < 100) {
    g.board().Tick();
    ++tick;
  }
  EXPECT_EQ(tick, 14);  // the new starting bubbles grow first
  EXPECT_EQ(g.display.statusBar1.PanelText(3), "1");
}

TEST(Status, ShowTurnColoursTheCaptionBarAndDrawsTheIndicator) {
  struct Case {
    engine::Player player;
    platform::TColor colour;
  };
  const Case cases[] = {{kGreen, platform::clGreenToMove}, {kBlue, platform::clBlueToMove}, {kGreen, platform::clGreenToMove}};
  TestGame g(7, 7);
  int repaints = g.display.host.indicatorRepaints;
  for (const Case& c : cases) {
    engine::ShowTurn(g.game, c.player);
    EXPECT_EQ(g.display.statusBar2.Color(), c.colour);
    EXPECT_TRUE(testing_display::PictureMatches(
        g.display.indicator, [&](int, int) { return testing_display::FrameColour(4, c.player); }));
    EXPECT_EQ(g.display.host.indicatorRepaints, ++repaints);
  }
}

}  // namespace
