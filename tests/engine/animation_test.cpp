// The bubbles' animations tick by tick: the frame each state draws, when it settles, the
// capture at the end of a growth, which bubbles the pass draws, and the random pulses.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/animation.h"
#include "engine/play_plane.h"
#include "platform/random.h"
#include "tests/engine/random_clicks.h"
#include "tests/engine/test_display.h"

namespace {

using engine::kBlue;
using engine::kGreen;
using engine::TBubble;
using testing_display::kNothingDrawn;
using testing_display::Shown;
using testing_display::TestGame;

// Frames from..to of one list, one per tick.
std::vector<Shown> Frames(int list, int from, int to) {
  std::vector<Shown> frames;
  const int step = from <= to ? 1 : -1;
  for (int i = from; i != to + step; i += step) frames.push_back({list, i});
  return frames;
}

std::vector<Shown> Concat(std::initializer_list<std::vector<Shown>> parts) {
  std::vector<Shown> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Runs ticks, marking the cell before each, and records what each tick drew there.
struct TickRecord {
  std::vector<Shown> shown;
  std::vector<bool> allIdle;
};
TickRecord RecordTicks(TestGame& g, int x, int y, int ticks) {
  TickRecord r;
  for (int t = 0; t < ticks; ++t) {
    testing_display::MarkCell(g.image(), x, y);
    g.board().Tick();
    r.shown.push_back(testing_display::ShownIn(g.image(), x, y));
    r.allIdle.push_back(g.game.AllIdle);
  }
  return r;
}

struct AnimationCase {
  const char* name;
  engine::Player owner;
  std::function<void(TBubble&)> start;  // none: a new bubble growing
  std::vector<Shown> frames;  // what ticks 1, 2, ... draw; the last is the settling tick
  bool restsMeanwhile;        // pulses never keep the board from rest
};

TEST(Animation, EachStateDrawsItsFramesAndSettlesOnTime) {
  const Shown nothing = kNothingDrawn;
  const AnimationCase cases[] = {
      {"Blue growing", kBlue, nullptr, Concat({Frames(2, 12, 0), {nothing}}), false},
      {"Green growing", kGreen, nullptr, Concat({Frames(3, 12, 0), {nothing}}), false},
      {"Blue vanishing", kBlue, [](TBubble& b) { b.StartVanish(); }, Concat({Frames(2, 0, 12), {nothing}}),
       false},
      {"Green vanishing", kGreen, [](TBubble& b) { b.StartVanish(); }, Concat({Frames(3, 0, 12), {nothing}}),
       false},
      {"turning from Blue", kBlue, [](TBubble& b) { b.StartTurn(); }, Concat({Frames(1, 0, 24), {nothing}}),
       false},
      {"turning from Green", kGreen, [](TBubble& b) { b.StartTurn(); },
       Concat({Frames(1, 24, 0), {nothing}}), false},
      {"Blue pulsing", kBlue, [](TBubble& b) { b.StartPulse(); },
       {nothing, {2, 0}, {2, 0}, {2, 1}, {2, 1}, {2, 1}, {2, 0}, {2, 0}, nothing, nothing}, true},
      {"Green pulsing", kGreen, [](TBubble& b) { b.StartPulse(); },
       {nothing, {3, 0}, {3, 0}, {3, 1}, {3, 1}, {3, 1}, {3, 0}, {3, 0}, nothing, nothing}, true},
  };
  for (const AnimationCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    g.SetPosition({{0, 0, kBlue}, {6, 6, kGreen}});  // far away, at rest
    TBubble* b = nullptr;
    if (c.start) {
      b = &g.AddSettled(3, 3, c.owner);
      c.start(*b);
    } else {
      b = &g.AddGrowing(3, 3, c.owner);
    }
    const bool vanishing = b->FState == engine::asVanishing;
    const engine::Player ownerAfter = b->FOwner;
    const int ticks = int(c.frames.size());
    const TickRecord r = RecordTicks(g, 3, 3, ticks);
    EXPECT_EQ(r.shown, c.frames);
    for (int t = 0; t < ticks; ++t)
      EXPECT_EQ(r.allIdle[std::size_t(t)], c.restsMeanwhile || t == ticks - 1) << "tick " << t + 1;
    if (vanishing) {
      EXPECT_EQ(g.at(3, 3), nullptr);
    } else {
      ASSERT_NE(g.at(3, 3), nullptr);
      EXPECT_EQ(g.at(3, 3)->FState, engine::asIdle);
      EXPECT_EQ(g.at(3, 3)->FFrame, 0);
      EXPECT_EQ(g.at(3, 3)->FTurnFrom, engine::kNoOwner);
      EXPECT_EQ(g.at(3, 3)->FOwner, ownerAfter);
    }
    // The bubbles far away stayed at rest.
    EXPECT_EQ(g.at(0, 0)->FState, engine::asIdle);
    EXPECT_EQ(g.at(6, 6)->FState, engine::asIdle);
  }
}

TEST(Animation, SettledBubbleIsNotDrawnAgainSoItsCellKeepsTheLastFrame) {
  // Vanishing: the empty frame 12 stays; turning: the bubble of its new colour stays.
  TestGame g(7, 7);
  g.SetPosition({{1, 1, kBlue}, {4, 4, kGreen}});
  g.at(1, 1)->StartVanish();
  g.at(4, 4)->StartTurn();
  for (int t = 0; t < 40; ++t) g.board().Tick();
  EXPECT_EQ(testing_display::ShownIn(g.image(), 1, 1), (Shown{2, 12}));
  EXPECT_EQ(testing_display::ShownIn(g.image(), 4, 4), (Shown{1, 0}));
  EXPECT_EQ(g.at(1, 1), nullptr);
  EXPECT_EQ(g.at(4, 4)->FOwner, kBlue);
}

TEST(Capture, GrowthEndTurnsEveryOpponentNeighbourAndNothingElse) {
  TestGame g(7, 7);
  // Around (3, 3): Green at (4, 2) in an earlier slot and at (2, 4) in a later one, both
  // diagonal; a Blue neighbour; Green two cells away.
  g.SetPosition({{4, 2, kGreen}, {2, 4, kGreen}, {2, 3, kBlue}, {5, 3, kGreen}, {3, 1, kGreen}, {1, 5, kGreen}});
  g.AddGrowing(3, 3, kBlue);
  for (int t = 1; t <= 13; ++t) {
    g.board().Tick();
    ASSERT_EQ(g.at(4, 2)->FOwner, kGreen) << t;
    ASSERT_EQ(g.at(2, 4)->FOwner, kGreen) << t;
  }
  testing_display::MarkCell(g.image(), 4, 2);
  testing_display::MarkCell(g.image(), 2, 4);
  g.board().Tick();  // the 14th: the growth ends and the capture happens
  EXPECT_FALSE(g.game.AllIdle);
  for (auto [x, y] : std::vector<std::array<int, 2>>{{4, 2}, {2, 4}}) {
    const TBubble& b = *g.at(x, y);
    EXPECT_EQ(b.FOwner, kBlue);
    EXPECT_EQ(b.FTurnFrom, kGreen);
    EXPECT_EQ(b.FState, engine::asTurning);
  }
  // The later slot took its first turning step in the same pass; the earlier one waits.
  EXPECT_EQ(g.at(2, 4)->FFrame, 1);
  EXPECT_EQ(testing_display::ShownIn(g.image(), 2, 4), (Shown{1, 24}));
  EXPECT_EQ(g.at(4, 2)->FFrame, 0);
  EXPECT_EQ(testing_display::ShownIn(g.image(), 4, 2), kNothingDrawn);
  // Untouched: own bubble, opponent bubbles two cells away, empty cells.
  EXPECT_EQ(g.at(2, 3)->FState, engine::asIdle);
  EXPECT_EQ(g.at(2, 3)->FOwner, kBlue);
  for (auto [x, y] : std::vector<std::array<int, 2>>{{5, 3}, {3, 1}, {1, 5}}) {
    EXPECT_EQ(g.at(x, y)->FOwner, kGreen);
    EXPECT_EQ(g.at(x, y)->FState, engine::asIdle);
  }
  int bubbles = 0;
  for (const auto& b : g.board().FCells) bubbles += b ? 1 : 0;
  EXPECT_EQ(bubbles, 7);
  // (2, 4) settles on its 26th step, tick 39; (4, 2) a tick later, and only then is the board at rest.
  EXPECT_EQ(g.TickUntilIdle(), 26);
  EXPECT_EQ(testing_display::ShownIn(g.image(), 4, 2), (Shown{1, 0}));
}

TEST(Capture, NeighboursOffTheBoardAreSkipped) {
  // The slot lookup clamps, so a cell off the board would reach a bubble on the far side of
  // the board; those must not turn.
  struct Case {
    const char* name;
    int x, y;
    std::vector<std::array<int, 2>> turned;
    std::vector<std::array<int, 2>> kept;
  };
  const Case cases[] = {
      {"left edge", 0, 3, {{0, 2}, {1, 4}}, {{6, 1}, {6, 2}, {6, 3}}},
      {"right edge", 6, 3, {{5, 2}, {6, 4}}, {{0, 3}, {0, 4}, {0, 5}}},
      {"top-left corner", 0, 0, {{1, 1}}, {{6, 0}}},
      {"bottom edge", 3, 6, {{2, 5}}, {{6, 6}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    std::vector<std::array<int, 3>> cells;
    for (auto [x, y] : c.turned) cells.push_back({x, y, kGreen});
    for (auto [x, y] : c.kept) cells.push_back({x, y, kGreen});
    g.SetPosition(cells);
    g.AddGrowing(c.x, c.y, kBlue);
    for (int t = 0; t < 14; ++t) g.board().Tick();
    for (auto [x, y] : c.turned) EXPECT_EQ(g.at(x, y)->FOwner, kBlue) << x << ", " << y;
    for (auto [x, y] : c.kept) {
      EXPECT_EQ(g.at(x, y)->FOwner, kGreen) << x << ", " << y;
      EXPECT_EQ(g.at(x, y)->FState, engine::asIdle) << x << ", " << y;
    }
  }
}

TEST(Capture, RunsOnTheSnapshotTakenAtCreationAndAlwaysClearsAllIdle) {
  // The capture runs when the bubble's ring showed an opponent when it was created; it then
  // keeps the board from rest for that tick even if nothing was left to turn.
  struct Case {
    const char* name;
    bool enemyWhenCreated, enemyWhenSettled, loaded;
    bool idleAtTick14, turned;
    int turnEndsAt;
  };
  const Case cases[] = {
      {"no opponent", false, false, false, true, false, 14},
      {"opponent throughout", true, true, false, false, true, 39},
      {"opponent gone before the growth ended", true, false, false, false, false, 15},
      {"opponent arrived after the snapshot", false, true, false, true, false, 14},
      {"loaded bubble next to an opponent", true, true, true, true, false, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    g.SetPosition({});
    if (c.enemyWhenCreated) g.AddSettled(4, 4, kGreen);
    g.AddGrowing(3, 3, kBlue, c.loaded);
    if (c.enemyWhenCreated && !c.enemyWhenSettled) g.board().ClearCell(4, 4);
    if (!c.enemyWhenCreated && c.enemyWhenSettled) g.AddSettled(4, 4, kGreen);
    g.game.TurnFinished = true;
    int tick = 0;
    while (g.game.TurnFinished && tick < 100) {
      g.board().Tick();
      ++tick;
      if (tick == 14) {
        EXPECT_EQ(g.game.AllIdle, c.idleAtTick14);
        if (c.enemyWhenSettled) {
          EXPECT_EQ(g.at(4, 4)->FOwner, c.turned ? kBlue : kGreen);
          EXPECT_EQ(g.at(4, 4)->FState, c.turned ? engine::asTurning : engine::asIdle);
        }
      }
    }
    EXPECT_EQ(tick, c.turnEndsAt);
  }
}

TEST(Capture, PulsingBubbleStopsAndRunsTheWholeColourChange) {
  TestGame g(7, 7);
  g.SetPosition({{4, 4, kGreen}});
  g.AddGrowing(3, 3, kBlue);
  for (int t = 0; t < 11; ++t) g.board().Tick();
  g.at(4, 4)->StartPulse();
  g.board().Tick();
  g.board().Tick();
  ASSERT_EQ(g.at(4, 4)->FState, engine::asPulsing);
  ASSERT_EQ(g.at(4, 4)->FFrame, 2);
  // Tick 14 captures; (4, 4) comes later in slot order, so it turns in the same pass.
  const TickRecord r = RecordTicks(g, 4, 4, 26);
  EXPECT_EQ(r.shown, Concat({Frames(1, 24, 0), {kNothingDrawn}}));
  EXPECT_EQ(g.at(4, 4)->FState, engine::asIdle);
  EXPECT_EQ(g.at(4, 4)->FOwner, kBlue);
  EXPECT_TRUE(g.game.AllIdle);
}

TEST(AnimationPass, PulseIsDrawnOnlyWhileNoEarlierSlotHasAnimated) {
  struct Case {
    const char* name;
    int pulseX, pulseY;
    bool drawn;
  };
  // A colour change runs at (3, 3) all the while.
  const Case cases[] = {{"pulse in an earlier slot", 1, 1, true}, {"pulse in a later slot", 5, 5, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    g.SetPosition({{3, 3, kBlue}, {c.pulseX, c.pulseY, kGreen}});
    g.at(3, 3)->StartTurn();
    g.at(c.pulseX, c.pulseY)->StartPulse();
    std::vector<int> frames;
    TickRecord r;
    for (int t = 0; t < 10; ++t) {
      testing_display::MarkCell(g.image(), c.pulseX, c.pulseY);
      g.board().Tick();
      r.shown.push_back(testing_display::ShownIn(g.image(), c.pulseX, c.pulseY));
      frames.push_back(g.at(c.pulseX, c.pulseY)->FFrame);
      EXPECT_FALSE(g.game.AllIdle);
    }
    // The pulse advances either way.
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(g.at(c.pulseX, c.pulseY)->FState, engine::asIdle);
    const std::vector<Shown> drawn = {kNothingDrawn, {3, 0}, {3, 0}, {3, 1}, {3, 1},
                                      {3, 1},        {3, 0}, {3, 0}, kNothingDrawn, kNothingDrawn};
    EXPECT_EQ(r.shown, c.drawn ? drawn : std::vector<Shown>(10, kNothingDrawn));
  }
}

TEST(AnimationPass, PulseCutOffLeavesItsSmallerFrameOnTheBoard) {
  TestGame g(7, 7);
  g.SetPosition({{1, 1, kBlue}, {5, 5, kGreen}});
  g.at(5, 5)->StartPulse();
  for (int t = 0; t < 4; ++t) g.board().Tick();  // frames nothing, 0, 0, 1
  ASSERT_EQ(testing_display::ShownIn(g.image(), 5, 5), (Shown{3, 1}));
  g.at(1, 1)->StartTurn();
  for (int t = 0; t < 6; ++t) g.board().Tick();
  EXPECT_EQ(g.at(5, 5)->FState, engine::asIdle);
  EXPECT_EQ(testing_display::ShownIn(g.image(), 5, 5), (Shown{3, 1}));
}

// A seed with which the next two draws, Random(sizeX) then Random(sizeY), name (x, y).
std::uint32_t SeedPicking(int sizeX, int sizeY, int x, int y) {
  for (std::uint32_t seed = 1;; ++seed) {
    platform::SetRandSeed(seed);
    const int px = platform::Random(sizeX);
    const int py = platform::Random(sizeY);
    if (px == x && py == y) return seed;
  }
}

// The generator's state after two more draws from seed.
std::uint32_t AfterTwoDraws(std::uint32_t seed) {
  platform::SetRandSeed(seed);
  platform::Random(2);
  platform::Random(2);
  return platform::RandSeed();
}

TEST(RandomPulse, StartsOrRestartsOnlyAnIdleOrPulsingBubbleWhileTheBoardRests) {
  struct Case {
    const char* name;
    std::function<void(TestGame&)> prepare;  // sets up the cell (3, 3)
    bool allIdle;
    bool starts;
  };
  auto blueAt33 = [](TestGame& g) { g.SetPosition({{3, 3, kBlue}, {4, 4, kGreen}}); };
  auto with = [blueAt33](std::function<void(TBubble&)> f) {
    return [blueAt33, f](TestGame& g) {
      blueAt33(g);
      f(*g.at(3, 3));
    };
  };
  auto midPulse = [](TBubble& b) {
    b.StartPulse();
    b.FFrame = 5;
    b.FPulseUp = false;
  };
  const Case cases[] = {
      {"idle bubble", with([](TBubble&) {}), true, true},
      {"pulsing bubble restarts", with(midPulse), true, true},
      {"idle bubble while animating", with([](TBubble&) {}), false, false},
      {"pulsing bubble while animating", with(midPulse), false, false},
      {"empty cell", [](TestGame& g) { g.SetPosition({{4, 4, kGreen}, {3, 4, kBlue}}); }, true, false},
      {"growing bubble", [](TestGame& g) {
         g.SetPosition({{4, 4, kGreen}});
         g.AddGrowing(3, 3, kBlue).FFrame = 4;
       }, true, false},
      {"vanishing bubble", with([](TBubble& b) {
         b.StartVanish();
         b.FFrame = 3;
       }), true, false},
      {"turning bubble", with([](TBubble& b) {
         b.StartTurn();
         b.FFrame = 7;
       }), true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    c.prepare(g);
    g.game.AllIdle = c.allIdle;
    const TBubble* b = g.at(3, 3);
    const TBubble before = b ? *b : TBubble(g.board(), 3, 3, kBlue, false);
    const std::uint32_t seed = SeedPicking(7, 7, 3, 3);
    platform::SetRandSeed(seed);
    engine::StartRandomPulse(g.game);
    const std::uint32_t after = platform::RandSeed();
    EXPECT_EQ(after, AfterTwoDraws(seed));
    if (b) {
      if (c.starts) {
        EXPECT_EQ(b->FState, engine::asPulsing);
        EXPECT_EQ(b->FFrame, 0);
        EXPECT_TRUE(b->FPulseUp);
      } else {
        EXPECT_EQ(b->FState, before.FState);
        EXPECT_EQ(b->FFrame, before.FFrame);
        EXPECT_EQ(b->FPulseUp, before.FPulseUp);
      }
      EXPECT_EQ(b->FOwner, before.FOwner);
    }
    // The other bubble was not picked.
    EXPECT_EQ(g.at(4, 4)->FState, engine::asIdle);
    if (g.at(3, 4)) {
      EXPECT_EQ(g.at(3, 4)->FState, engine::asIdle);
    }
  }
}

TEST(RandomPulse, DrawsTwoNumbersOnEveryCallAndNoneWithoutABoard) {
  TestGame g(9, 5);
  g.SetPosition({{0, 0, kBlue}});
  for (bool idle : {true, false})
    for (std::uint32_t seed : {1u, 77u, 123456789u}) {
      g.game.AllIdle = idle;
      platform::SetRandSeed(seed);
      engine::StartRandomPulse(g.game);
      const std::uint32_t after = platform::RandSeed();
      EXPECT_EQ(after, AfterTwoDraws(seed)) << seed;
    }
  engine::GameState noBoard;
  noBoard.AllIdle = true;
  platform::SetRandSeed(99);
  engine::StartRandomPulse(noBoard);
  EXPECT_EQ(platform::RandSeed(), 99u);
}

TEST(RandomPulse, ColumnIsDrawnBeforeTheRow) {
  // On a 9 × 5 board the column is Random(9), so only a column-first draw can name column 7.
  TestGame g(9, 5);
  g.SetPosition({{7, 2, kBlue}});
  const std::uint32_t seed = SeedPicking(9, 5, 7, 2);
  g.game.AllIdle = true;
  platform::SetRandSeed(seed);
  engine::StartRandomPulse(g.game);
  EXPECT_EQ(g.at(7, 2)->FState, engine::asPulsing);
}

TEST(BoardRests, HoldsOnlyWhileNothingAnimatesOrIsPending) {
  struct Case {
    const char* name;
    std::function<void(TestGame&)> change;
    bool rests;
  };
  const Case cases[] = {
      {"settled bubbles", [](TestGame&) {}, true},
      {"a pulse", [](TestGame& g) { g.at(3, 3)->StartPulse(); }, false},
      {"a growth", [](TestGame& g) { g.AddGrowing(5, 5, kBlue); }, false},
      {"a colour change", [](TestGame& g) { g.at(4, 4)->StartTurn(); }, false},
      {"a bubble vanishing", [](TestGame& g) { g.at(4, 4)->StartVanish(); }, false},
      {"the last step animated", [](TestGame& g) { g.game.AllIdle = false; }, false},
      {"an end of turn pending", [](TestGame& g) { g.game.TurnFinished = true; }, false},
      {"the end of the game pending", [](TestGame& g) { g.game.GameOverPending = true; }, false},
      {"no board", [](TestGame& g) { g.game.Plane.reset(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame g(7, 7);
    g.SetPosition({{3, 3, kBlue}, {4, 4, kGreen}});
    g.game.AllIdle = true;
    c.change(g);
    EXPECT_EQ(engine::BoardRests(g.game), c.rests);
  }
}

// What a step could change that a user sees: the picture, the status texts, the flags and counts.
struct Seen {
  std::vector<std::uint32_t> pixels;
  std::vector<std::string> texts;
  std::vector<int> values;
  bool operator==(const Seen&) const = default;
};
Seen SeenOn(TestGame& g) {
  Seen s;
  s.pixels.assign(g.image().Bits(), g.image().Bits() + g.image().Width() * g.image().Height());
  for (int panel = 0; panel < 5; ++panel) {
    s.texts.push_back(g.display.statusBar1.PanelText(panel));
    s.texts.push_back(g.display.statusBar2.PanelText(panel));
  }
  const engine::GameState& game = g.game;
  s.values = {game.AllIdle, game.TurnFinished, game.GameOverPending, game.RoundNo, game.BlueCount,
              game.GreenCount, game.TotalCount, g.board().FPlayer, g.board().FSelected,
              int(g.display.statusBar2.Color()), g.display.host.gameOvers, g.display.host.boardRepaints};
  return s;
}
std::vector<int> BubbleStates(TestGame& g) {
  std::vector<int> states;
  for (const auto& b : g.board().FCells)
    states.push_back(b ? b->FState * 1000 + b->FFrame * 10 + b->FPulseUp + 100 * b->FOwner : -1);
  return states;
}

// Plays seeded games on boards of several sizes, with a random pulse every fifth step and a
// random click on one in `clickOneIn` steps at rest. Before each step `check` may make steps
// of its own (adding them to `steps`); when it makes none, the game makes one.
void PlayWithPulses(std::uint32_t seed, int games, int steps, unsigned clickOneIn,
                    const std::function<void(TestGame&, int& steps)>& check) {
  std::mt19937 rng(seed);
  for (int game = 0; game < games; ++game) {
    SCOPED_TRACE("game " + std::to_string(game));
    TestGame g(5 + game % 8, 4 + game % 5);
    platform::SetRandSeed(seed + std::uint32_t(game));
    for (int step = 0; step < steps && !g.game.GameOverPending; ++step) {
      if (step % 5 == 0) engine::StartRandomPulse(g.game);
      if (g.game.AllIdle && rng() % clickOneIn == 0) {
        const engine::Cell cell = testing_display::RandomClick(g.board(), rng);
        g.board().Click(cell.X, cell.Y);
      }
      const int before = step;
      check(g, step);
      if (::testing::Test::HasFatalFailure()) return;
      if (step == before) g.board().Tick();
    }
  }
}

// The game loop sleeps through the steps of a resting board, so such a step must change
// nothing at all: not a pixel, not a status text, not a flag or a bubble.
TEST(BoardRests, AStepOfARestingBoardChangesNothing) {
  int restingSteps = 0;
  PlayWithPulses(2024, 20, 3000, 8, [&](TestGame& g, int& step) {
    if (!engine::BoardRests(g.game)) return;
    ++restingSteps;
    g.image().TakeDirty();
    const Seen before = SeenOn(g);
    const std::vector<int> bubbles = BubbleStates(g);
    g.board().Tick();
    ++step;
    ASSERT_EQ(SeenOn(g), before) << "step " << step;
    ASSERT_EQ(BubbleStates(g), bubbles) << "step " << step;
    ASSERT_TRUE(g.image().Dirty().Empty());
    ASSERT_TRUE(engine::BoardRests(g.game));
  });
  EXPECT_GT(restingSteps, 1000);  // the property was really put to the test
}

TEST(QuietSteps, APulseIsQuietExceptWhereItsPictureChanges) {
  TestGame g(7, 7);
  g.SetPosition({{3, 3, kBlue}, {4, 4, kGreen}});
  g.game.AllIdle = true;
  EXPECT_EQ(engine::QuietSteps(g.game), engine::kForever);
  g.at(3, 3)->StartPulse();
  // Frames 1..5..1 draw nothing, the full bubble twice, the smaller one three times, the full
  // one twice, nothing; so a new picture comes on the 2nd, 4th and 7th step.
  const int F = engine::kForever;
  const int expected[] = {1, 0, 1, 0, 2, 1, 0, F, F, F, F};
  for (int step = 0; step < 11; ++step) {
    EXPECT_EQ(engine::QuietSteps(g.game), expected[step]) << "after " << step << " steps";
    g.board().Tick();
  }
  EXPECT_EQ(g.at(3, 3)->FState, engine::asIdle);
  // Two pulses: the sooner change counts; anything but a pulse animating, or pending, counts 0.
  g.at(3, 3)->StartPulse();
  g.board().Tick();
  g.board().Tick();  // (3, 3) at frame 2: quiet for 1
  g.at(4, 4)->StartPulse();  // just started: quiet for 1
  EXPECT_EQ(engine::QuietSteps(g.game), 1);
  g.board().Tick();
  EXPECT_EQ(engine::QuietSteps(g.game), 0);
  g.game.TurnFinished = true;
  EXPECT_EQ(engine::QuietSteps(g.game), 0);
  g.game.TurnFinished = false;
  g.AddGrowing(0, 0, kBlue);
  EXPECT_EQ(engine::QuietSteps(g.game), 0);
  g.game.Plane.reset();
  EXPECT_EQ(engine::QuietSteps(g.game), 0);
}

// The game loop makes the steps counted quiet late, all at once, so they must show nothing:
// not a pixel, not a status text, not a flag.
TEST(QuietSteps, TheStepsCountedQuietShowNothing) {
  int quietSteps = 0;
  PlayWithPulses(77, 12, 2500, 12, [&](TestGame& g, int& step) {
    g.image().TakeDirty();  // the window has shown everything drawn so far
    const int quiet = engine::QuietSteps(g.game);
    if (quiet == 0 || quiet == engine::kForever) return;
    const Seen before = SeenOn(g);
    for (int k = 0; k < quiet; ++k, ++step, ++quietSteps) {
      g.board().Tick();
      ASSERT_EQ(SeenOn(g), before) << "step " << step;
    }
  });
  EXPECT_GT(quietSteps, 1000);  // the property was really put to the test
}

}  // namespace
