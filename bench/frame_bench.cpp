// SPDX-License-Identifier: MIT
// Cost of one frame: the computation (sampling and recording every pass) by
// codes read once per frame against evaluating the code texts for every
// lookup, for both rules at every step; and the whole headless frame
// (computation, OpenGL drawing, glFinish) on the software renderer.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include "bench/frame_scene.h"
#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "render/pattern_frame.h"
#include "render/sample_grid.h"
#include "render/webgl_batches.h"

namespace veltrisko {
namespace {

// Arguments: rule (7 or 6), path (1 parsed, 0 text), step. The whole
// computation of a frame: lookups, display values, points, every pass.
void FrameComputation(benchmark::State& state) {
  const SceneState scene = BenchScene(state.range(0) == 7, static_cast<int>(state.range(2)));
  const LookupPath path = state.range(1) == 1 ? LookupPath::Parsed : LookupPath::Text;
  for (auto _ : state) {
    CountingSink sink;
    benchmark::DoNotOptimize(RecordPatternFrame(scene, kHorizontal, kVertical, sink, path));
    benchmark::DoNotOptimize(sink.count);
  }
}

// The same arguments; only the pattern lookups of a frame (grid, diagrams
// and cut), the part in which the two paths differ.
void FrameLookups(benchmark::State& state) {
  const SceneState scene = BenchScene(state.range(0) == 7, static_cast<int>(state.range(2)));
  const bool parsed = state.range(1) == 1;
  const int step = scene.resolutionStep;
  for (auto _ : state) {
    const std::unique_ptr<PatternLookup> lookup =
        parsed ? MakeParsedLookup(kHorizontal, kVertical, scene.useHcmV7)
               : MakeTextLookup(kHorizontal, kVertical, scene.useHcmV7);
    std::vector<float> attenuations;
    lookup->FillGrid(PlanGridLookups(scene), attenuations);
    float sum = 0;
    for (int a = -180; a <= 180; a += step) {
      sum += lookup->At(static_cast<float>(a), 0.0f);
      sum += lookup->At(static_cast<float>(a), -scene.elevation);
    }
    for (int e = -90; e <= 90; e += step) sum += lookup->At(0.0f, static_cast<float>(e));
    benchmark::DoNotOptimize(attenuations.data());
    benchmark::DoNotOptimize(sum);
  }
}

// The browser page's frame at 1200 x 900: the whole frame built into WebGL
// vertex arrays as the page builds it, frame after frame into the same
// arrays (bench/web_frame_bench.cpp measures the same in WebAssembly).
void PageFrame(benchmark::State& state) {
  const SceneState scene = BenchScene(state.range(0) == 7, 2);
  const FrameSetup setup = FrameSetupFor(ClientRect{0, 0, 1200, 900}, scene);
  WebGlFrame frame;
  for (auto _ : state) {
    WebGlFrameBuilder builder(setup, frame);
    benchmark::DoNotOptimize(RecordPatternFrame(scene, kHorizontal, kVertical, builder));
    benchmark::DoNotOptimize(frame.vertices.data());
  }
}
BENCHMARK(PageFrame)->ArgName("rule")->Arg(7)->Arg(6)->Unit(benchmark::kMicrosecond);

void ComputationArguments(benchmark::internal::Benchmark* b) {
  b->ArgNames({"rule", "parsed", "step"});
  for (int rule : {7, 6})
    for (int step : {15, 10, 6, 3, 2})
      for (int parsed : {0, 1}) b->Args({rule, parsed, step});
  b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(FrameComputation)->Apply(ComputationArguments);

// Arguments: rule (7 or 6), difference colouring (1 on, 0 off); step 2,
// codes read once per frame. The difference view adds the other rule's grid.
void DifferenceFrameComputation(benchmark::State& state) {
  const SceneState scene = BenchScene(state.range(0) == 7, 2);
  const FrameOptions options{.differenceColouring = state.range(1) == 1,
                             .markedDirection = std::nullopt};
  for (auto _ : state) {
    CountingSink sink;
    std::optional<DifferenceFindings> found;
    benchmark::DoNotOptimize(
        RecordPatternFrame(scene, kHorizontal, kVertical, sink, options, &found));
    benchmark::DoNotOptimize(sink.count);
  }
}
BENCHMARK(DifferenceFrameComputation)
    ->ArgNames({"rule", "difference"})
    ->ArgsProduct({{7, 6}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameLookups)->Apply(ComputationArguments);

// The viewer's frame at 800 x 600, step 2, without a display.
void HeadlessFrame(benchmark::State& state) {
  HeadlessSurface surface(800, 600);
  GLContext context;
  if (!context.MakeCurrent(&surface)) {
    state.SkipWithError(("no headless OpenGL context: " + surface.Error()).c_str());
    return;
  }
  const SceneState scene = BenchScene(state.range(0) == 7, 2);
  const FrameOptions options{.differenceColouring = state.range(1) == 1,
                             .markedDirection = std::nullopt};
  for (auto _ : state) {
    std::optional<DifferenceFindings> found;
    benchmark::DoNotOptimize(
        DrawPattern(scene, ClientRect{0, 0, 800, 600}, kHorizontal, kVertical, options, &found));
  }
  context.DeleteContext();
}
BENCHMARK(HeadlessFrame)
    ->ArgNames({"rule", "difference"})
    ->ArgsProduct({{7, 6}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace veltrisko
