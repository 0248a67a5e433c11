#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>

#include "bench/lattice_jumps.h"
#include "solver/solver.h"

namespace vorn {
namespace {

// The starting position of each level: hole 0 empty, every other hole full.
void BM_SolveStart(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const int holes = TriangleHoleCount(rows);
  const Solver solver(holes, TriangleJumps(rows));
  const std::atomic<bool> cancel{false};
  const std::uint32_t start = AllHoles(holes) & ~HoleBit(0);
  for (auto _ : state) benchmark::DoNotOptimize(solver.Solve(start, cancel));
}
BENCHMARK(BM_SolveStart)->DenseRange(5, kMaxLatticeRows)->Unit(benchmark::kMillisecond);

// Some of the longest searches on the 7-row board: lost positions of 20 and 21 balls that pass
// the position-class test, so every position reachable from them has to be refuted, and a
// winnable 22-ball one whose first lines all fail.
void BM_SolveHard(benchmark::State& state) {
  const Solver solver(28, TriangleJumps(7));
  const std::atomic<bool> cancel{false};
  const auto position = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(solver.Solve(position, cancel));
}
BENCHMARK(BM_SolveHard)
    ->Arg(0x3f6ef6d)
    ->Arg(0xb36fdef)
    ->Arg(0xf66fcff)
    ->Unit(benchmark::kMillisecond);

void BM_BuildSolver(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::vector<SolverJump> jumps = TriangleJumps(rows);
  for (auto _ : state) benchmark::DoNotOptimize(Solver(TriangleHoleCount(rows), jumps));
}
BENCHMARK(BM_BuildSolver)->DenseRange(5, kMaxLatticeRows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorn

BENCHMARK_MAIN();
