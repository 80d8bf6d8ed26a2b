// Engine benchmarks: one game step in the heaviest animation and at rest, the highlights of a
// selection, the computer's evaluation, the count, and a whole computer game on 19 × 12.
#include <benchmark/benchmark.h>

#include "engine/computer_player.h"
#include "platform/random.h"
#include "tests/engine/test_display.h"

using testing_display::TestGame;

namespace {

// A full board, every other cell by columns Blue and Green.
void FillCheckered(TestGame& g) {
  std::vector<std::array<int, 3>> cells;
  for (int x = 0; x < g.board().FSizeX; ++x)
    for (int y = 0; y < g.board().FSizeY; ++y) cells.push_back({x, y, (x + y) % 2});
  g.SetPosition(cells);
}

// A crowded board: about three cells in four hold a bubble of a random owner.
void FillCrowded(TestGame& g, std::uint32_t seed) {
  platform::SetRandSeed(seed);
  std::vector<std::array<int, 3>> cells;
  for (int x = 0; x < g.board().FSizeX; ++x)
    for (int y = 0; y < g.board().FSizeY; ++y)
      if (platform::Random(4) != 0) cells.push_back({x, y, platform::Random(2)});
  g.SetPosition(cells);
}

void BM_TickEveryBubbleTurning(benchmark::State& state) {
  TestGame g(19, 12);
  FillCheckered(g);
  int step = 0;
  for (auto _ : state) {
    if (step++ % (engine::kTurnSteps + 1) == 0)
      for (auto& b : g.board().FCells) b->StartTurn();
    g.board().Tick();
  }
}
BENCHMARK(BM_TickEveryBubbleTurning);

void BM_TickAtRest(benchmark::State& state) {
  TestGame g(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  g.TickUntilIdle();
  for (auto _ : state) g.board().Tick();
}
BENCHMARK(BM_TickAtRest)->Args({7, 7})->Args({19, 12});

void BM_ShowTargetsSelectAndDeselect(benchmark::State& state) {
  TestGame g(19, 12);
  g.SetPosition({{9, 6, 0}});
  for (auto _ : state) {
    g.board().Click(9, 6);
    g.board().Click(9, 6);
  }
}
BENCHMARK(BM_ShowTargetsSelectAndDeselect);

void BM_ComputerEvaluationCrowded(benchmark::State& state) {
  TestGame g(19, 12);
  FillCrowded(g, 7);
  for (auto _ : state) benchmark::DoNotOptimize(engine::ChooseComputerMove(g.game));
}
BENCHMARK(BM_ComputerEvaluationCrowded);

void BM_CountBubbles(benchmark::State& state) {
  TestGame g(19, 12);
  FillCrowded(g, 11);
  for (auto _ : state) {
    engine::CountBubbles(g.game);
    benchmark::DoNotOptimize(g.game.TotalCount);
  }
}
BENCHMARK(BM_CountBubbles);

// Blue plays the first best move of its bubbles in slot order; Green is the computer.
std::optional<engine::ComputerChoice> BlueChoice(engine::TPlayPlane& board) {
  for (auto& b : board.FCells) {
    if (!b || b->FOwner != engine::kBlue) continue;
    engine::Cell target;
    int gain = 0;
    b->BestTarget(target.X, target.Y, gain);
    if (target.X >= 0) return engine::ComputerChoice{{b->FX, b->FY}, target};
  }
  return std::nullopt;
}

void BM_WholeComputerGame(benchmark::State& state) {
  std::uint32_t seed = 1;
  std::int64_t moves = 0;
  for (auto _ : state) {
    platform::SetRandSeed(seed++);
    TestGame g(19, 12);
    for (int game_moves = 0; g.display.host.gameOvers == 0 && game_moves < 10000;) {
      g.board().Tick();
      if (!g.game.AllIdle || g.display.host.gameOvers) continue;
      const auto choice = g.board().FPlayer == engine::kGreen ? engine::ChooseComputerMove(g.game) : BlueChoice(g.board());
      if (!choice) continue;
      g.board().Click(choice->From.X, choice->From.Y);
      g.board().Click(choice->Target.X, choice->Target.Y);
      ++game_moves;
      ++moves;
    }
  }
  state.counters["moves_per_game"] = benchmark::Counter(double(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeComputerGame)->Unit(benchmark::kMillisecond);

}  // namespace
