// How long one survey of the board takes on the 7-row board.
#include <benchmark/benchmark.h>

#include "board/board_layout.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"

namespace {

vorn::Form1 SevenRowBoard(bool halfEmpty) {
  vorn::Form1 f;
  f.GameLevel = 2;
  vorn::SetBalls(f);
  if (halfEmpty) {
    // Every other hole emptied: many empty holes to probe from, many jumps.
    for (int i = 1; i < f.LabelCount; i += 2) f.Image2[i].Tag.reset();
  }
  return f;
}

void CheckBlkSevenRows(benchmark::State& state) {
  vorn::ScriptedPlatform platform;
  vorn::Form1 f = SevenRowBoard(state.range(0) != 0);
  for (auto _ : state) {
    vorn::CheckBlk(f, platform);
    benchmark::DoNotOptimize(f.MoveCount);
  }
  state.counters["jumps"] = f.MoveCount;
}
BENCHMARK(CheckBlkSevenRows)->Arg(0)->ArgName("halfEmpty")->Arg(1);

}  // namespace

BENCHMARK_MAIN();
