// SPDX-License-Identifier: MIT
// The whole fit of both components over every code the panel's sliders
// compose: the fast search on one thread and on all cores, and the
// exhaustive evaluation of every code at every angle beside it.
#include <benchmark/benchmark.h>

#include "fit/code_fit.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

// Cuts of an ordinary sector antenna with a little ripple, so that the
// search has no exact answer to stumble on.
PatternCuts MeasuredCuts() {
  PatternCuts cuts;
  cuts.horizontal = ComponentCut(ParsedAntennaCode("065EB12"));
  cuts.vertical = ComponentCut(ParsedAntennaCode("312WC24"));
  for (int a = 0; a < kCutPoints; ++a) {
    cuts.horizontal[a] += 0.3 * (a % 7) / 7.0;
    cuts.vertical[a] += 0.2 * (a % 5) / 5.0;
  }
  return cuts;
}

void FitBothComponents(benchmark::State& state, FitSearch search) {
  const PatternCuts cuts = MeasuredCuts();
  const CodeSpace space = CodeSpace::Full();
  FitSettings settings;
  settings.criterion = state.range(0) == 0 ? FitCriterion::kEnvelope : FitCriterion::kRms;
  const int threads = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const CodeFit fit = FitCodes(cuts.horizontal, cuts.vertical, settings, space, search, threads);
    benchmark::DoNotOptimize(fit.horizontal->front().key);
  }
}

void BM_FitFast(benchmark::State& state) { FitBothComponents(state, FitSearch::kFast); }
void BM_FitExhaustive(benchmark::State& state) { FitBothComponents(state, FitSearch::kExhaustive); }

// Arguments: criterion (0 envelope, 1 rms), threads (0: one per core).
BENCHMARK(BM_FitFast)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"rms", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FitExhaustive)
    ->Args({0, 0})
    ->ArgNames({"rms", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace veltrisko
