// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scene/scene_state.h"

namespace veltrisko::tool {

struct RenderOptions {
  std::string horizontalCode;
  std::string verticalCode;
  std::string output;
  int width = 800;
  int height = 600;
  bool useV7 = true;
  float dbRange = 0.0f;  // 0: linear display
  int step = 6;
  float azimuth = 0.0f;
  float elevation = 0.0f;
  float tilt = 0.0f;
  bool showSurface = true;
  bool showGrid = true;
  bool falseColour = true;
  bool showHorizontalDiagram = true;
  bool showVerticalDiagram = true;
  bool showHorizontalCut = true;
};

// Reads the render command's arguments; returns a usage message on failure.
std::optional<std::string> ParseRenderOptions(const std::vector<std::string>& args,
                                              RenderOptions& options);

// The scene the viewer would hold for these options. The angles are set
// directly, each brought into the viewer's range (-180, 360) by whole turns;
// the tilt turns the model by one tilt step of that angle from the reset view.
SceneState SceneFor(const RenderOptions& options);

}  // namespace veltrisko::tool
