// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "render/draw_list.h"
#include "render/pattern_frame.h"
#include "render/pattern_geometry.h"
#include "scene/scene_state.h"

namespace veltrisko {

using Matrix4 = std::array<float, 16>;  // column-major, as OpenGL loads it
using Rgba = std::array<float, 4>;

// Everything a frame's drawing starts from, as numbers: a sink sets all of
// it before the first primitive and needs nothing that a frame before left.
// The values are those of OpenGL 1.1's fixed pipeline: one positional light,
// colour material, smooth shading, a depth test and a polygon offset.
struct FrameSetup {
  Viewport viewport;  // bottom-up pixels, as glViewport takes them
  Rgba clearColour{};
  double clearDepth = 1.0;

  // Clip coordinates of a model point (after modelRotation) are
  // projection * modelview * (x, y, z, 1).
  Matrix4 projection{};
  Matrix4 modelview{};

  // The light's position is in the coordinates of the rotated model (it is
  // given while the modelview is the identity), so it does not turn with it.
  std::array<float, 4> lightPosition{};
  Rgba lightAmbient{};
  Rgba lightDiffuse{};
  Rgba lightSpecular{};
  Rgba sceneAmbient{};
  // The material's ambient and diffuse colours follow the current colour.
  bool colourMaterial = true;
  Rgba materialSpecular{};
  Rgba materialEmission{};
  bool smoothShading = true;

  bool depthTest = true;  // comparison "less", depth writes on
  // Filled polygons are pushed back by factor * slope + units.
  bool polygonOffsetFill = true;
  float polygonOffsetFactor = 0.0f;
  float polygonOffsetUnits = 0.0f;
  bool blend = false;

  // What the first primitives are drawn with until a call sets otherwise.
  float lineWidth = 1.0f;
  std::array<float, 3> normal{};
  std::array<std::uint8_t, 4> colour{};

  friend bool operator==(const FrameSetup&, const FrameSetup&) = default;
};

// The set-up of a frame of `scene` in `clientRect`: the square viewport in
// its top-left corner, white clear, the scene's camera as the projection.
FrameSetup FrameSetupFor(const ClientRect& clientRect, const SceneState& scene);

// A whole frame as data: the set-up and every call after it.
struct RecordedFrame {
  FrameSetup setup;
  DrawList draws;
  FrameOutcome outcome = FrameOutcome::EndedEarly;
};

// Records the frame of RecordPatternFrame with its set-up.
RecordedFrame RecordWholeFrame(const SceneState& scene, const ClientRect& clientRect,
                               const char* horizontalCode, const char* verticalCode,
                               const FrameOptions& options = {},
                               std::optional<DifferenceFindings>* findings = nullptr);

}  // namespace veltrisko
