// SPDX-License-Identifier: MIT
// The frame computation at step 2 (the FrameComputation benchmark with codes
// read once per frame) for programs where Google Benchmark does not build:
// the WebAssembly build runs it under Node (bench/web_frame_bench.sh).
// Prints one line per rule: "rule:7 step:2 <median CPU microseconds>", CPU
// time as the native benchmark reports it, so that other work on the machine
// does not count.
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/frame_scene.h"
#include "render/webgl_batches.h"

// The CPU time Node has used, in microseconds.
EM_JS(double, CpuMicroseconds, (), {
  const usage = process.cpuUsage();
  return usage.user + usage.system;
});

namespace {

// CPU microseconds per frame over frames that take at least half a second.
double OneRepetition(const veltrisko::SceneState& scene, std::size_t& calls) {
  const double start = CpuMicroseconds();
  long frames = 0;
  double elapsed = 0.0;
  do {
    veltrisko::CountingSink sink;
    veltrisko::RecordPatternFrame(scene, veltrisko::kHorizontal, veltrisko::kVertical, sink);
    calls += sink.count;
    ++frames;
    elapsed = CpuMicroseconds() - start;
  } while (elapsed < 5e5);
  return elapsed / static_cast<double>(frames);
}

// The same for the page's whole frame at 1200 x 900, built into WebGL vertex
// arrays as the page builds it (the native PageFrame benchmark).
double OnePageRepetition(const veltrisko::SceneState& scene, std::size_t& calls) {
  const veltrisko::FrameSetup setup =
      veltrisko::FrameSetupFor(veltrisko::ClientRect{0, 0, 1200, 900}, scene);
  veltrisko::WebGlFrame frame;
  const double start = CpuMicroseconds();
  long frames = 0;
  double elapsed = 0.0;
  do {
    veltrisko::WebGlFrameBuilder builder(setup, frame);
    veltrisko::RecordPatternFrame(scene, veltrisko::kHorizontal, veltrisko::kVertical, builder);
    calls += frame.vertices.size();
    ++frames;
    elapsed = CpuMicroseconds() - start;
  } while (elapsed < 5e5);
  return elapsed / static_cast<double>(frames);
}

}  // namespace

int main() {
  constexpr int kRepetitions = 5;
  std::size_t calls = 0;
  for (const bool useV7 : {true, false}) {
    const veltrisko::SceneState scene = veltrisko::BenchScene(useV7, 2);
    OneRepetition(scene, calls);  // warm-up
    std::vector<double> times;
    for (int r = 0; r < kRepetitions; ++r) times.push_back(OneRepetition(scene, calls));
    std::sort(times.begin(), times.end());
    std::printf("rule:%d step:2 %.1f\n", useV7 ? 7 : 6, times[kRepetitions / 2]);
    std::vector<double> pageTimes;
    for (int r = 0; r < kRepetitions; ++r) pageTimes.push_back(OnePageRepetition(scene, calls));
    std::sort(pageTimes.begin(), pageTimes.end());
    std::printf("page:%d step:2 %.1f\n", useV7 ? 7 : 6, pageTimes[kRepetitions / 2]);
  }
  // The calls are used, so that no frame can be left out.
  return calls == 0 ? 1 : 0;
}
