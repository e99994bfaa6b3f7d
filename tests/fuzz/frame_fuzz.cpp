// SPDX-License-Identifier: MIT
// One frame's computation for arbitrary scene states: any view angle (NaN
// and infinities included), any step, any flags, a model turned by arbitrary
// tilts, any dB range the tool accepts, and arbitrary or valid codes. Aborts
// unless the frame either ran through with every vertex and normal finite
// or ended after drawing the axes alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/draw_list.h"
#include "render/pattern_frame.h"
#include "scene/scene_state.h"

namespace {

using veltrisko::DrawOp;

// Codes of every family, so that most frames get past the codes.
constexpr const char* kCodes[] = {"030EA10", "045EB00", "045EC00", "030DE00", "060LA05",
                                  "-30LA05", "050KA00", "050CA00", "050CB00", "050CC00",
                                  "100TA05", "000ND00", "000XX00", "130VA20", "099WA91"};

// Colour, begin, three segments, end.
constexpr std::size_t kAxesCommands = 9;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "frame_fuzz: %s\n", what);
    std::abort();
  }
}

std::string CodeFrom(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return kCodes[input.ConsumeIntegralInRange<std::size_t>(0, 14)];
  return input.ConsumeRandomLengthString(8);
}

float AnyFloat(FuzzedDataProvider& input) {
  return std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  veltrisko::SceneState scene;
  scene.showGrid = input.ConsumeBool();
  scene.showSurface = input.ConsumeBool();
  scene.showHorizontalDiagram = input.ConsumeBool();
  scene.showVerticalDiagram = input.ConsumeBool();
  scene.showHorizontalCut = input.ConsumeBool();
  scene.falseColour = input.ConsumeBool();
  scene.useHcmV7 = input.ConsumeBool();
  scene.logScale = input.ConsumeBool();
  scene.dbRange = input.ConsumeFloatingPointInRange(1e-30f, 3e38f);
  scene.resolutionStep =
      input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, 181) : input.ConsumeIntegral<int>();
  // Step 1 costs most of a second per frame here and finds nothing step 2 misses.
  if (scene.resolutionStep == 1) scene.resolutionStep = 2;
  scene.azimuth =
      input.ConsumeBool() ? input.ConsumeFloatingPointInRange(-180.0f, 360.0f) : AnyFloat(input);
  scene.elevation =
      input.ConsumeBool() ? input.ConsumeFloatingPointInRange(-180.0f, 360.0f) : AnyFloat(input);
  for (int tilts = input.ConsumeIntegralInRange(0, 3); tilts > 0; --tilts) {
    veltrisko::AxisAngles axis{input.ConsumeFloatingPoint<float>(),
                               input.ConsumeFloatingPoint<float>()};
    const float step = input.ConsumeFloatingPointInRange(-1e6f, 1e6f);
    if (std::isfinite(axis.theta0) && std::isfinite(axis.theta1)) scene.TiltModel(axis, step);
  }
  const std::string horizontal = CodeFrom(input);
  const std::string vertical = CodeFrom(input);

  veltrisko::DrawList frame;
  const veltrisko::FrameOutcome outcome =
      veltrisko::RecordPatternFrame(scene, horizontal.c_str(), vertical.c_str(), frame);
  if (outcome == veltrisko::FrameOutcome::EndedEarly) {
    Require(frame.Commands().size() == kAxesCommands, "an early end drew more than the axes");
  }
  for (const veltrisko::DrawCommand& command : frame.Commands()) {
    if (command.op == DrawOp::Vertex || command.op == DrawOp::Normal) {
      Require(std::isfinite(command.x) && std::isfinite(command.y) && std::isfinite(command.z),
              "a vertex or normal that is not finite");
    }
  }
  return 0;
}
