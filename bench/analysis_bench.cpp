// SPDX-License-Identifier: MIT
// Cost of the numbers read off a pattern: both 2-D cuts (every curve, both
// rules) as the diagram window recomputes them on each change, and one
// readout under the cursor (sampling the grid at step 2 and picking).
#include <benchmark/benchmark.h>

#include "analysis/pattern_cuts.h"
#include "analysis/surface_pick.h"

namespace veltrisko {
namespace {

void BothCuts(benchmark::State& state) {
  const bool v7 = state.range(0) == 7;
  for (auto _ : state) {
    const ParsedAntennaCode horizontal("030EA10");
    const ParsedAntennaCode vertical("020EA05");
    auto h = ComputeCut(CutKind::kHorizontal, horizontal, vertical, v7);
    auto v = ComputeCut(CutKind::kVertical, horizontal, vertical, v7);
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BothCuts)->ArgName("rule")->Arg(7)->Arg(6)->Unit(benchmark::kMicrosecond);

void ReadoutUnderCursor(benchmark::State& state) {
  SceneState scene;
  scene.resolutionStep = 2;
  scene.useHcmV7 = state.range(0) == 7;
  const ClientRect client{0, 0, 800, 600};
  for (auto _ : state) {
    const auto direction = DirectionUnderCursor(scene, client, "030EA10", "020EA05", {300, 300});
    benchmark::DoNotOptimize(direction);
    if (direction) benchmark::DoNotOptimize(ReadDirection(scene, "030EA10", "020EA05", *direction));
  }
}
BENCHMARK(ReadoutUnderCursor)->ArgName("rule")->Arg(7)->Arg(6)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltrisko
