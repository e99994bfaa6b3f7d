// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scene/scene_state.h"
#include "tools/cli/scene_options.h"

namespace veltrisko::tool {

struct RenderOptions {
  PatternCodes codes;
  // The scene the viewer would hold: the options write into it directly.
  SceneState scene;
  float tiltDegrees = 0.0f;
  std::string output;  // "-": standard output
  int width = 800;
  int height = 600;
  bool force = false;  // draw above the size limit (job_size.h)
};

// Reads the render command's arguments; returns a usage message on failure.
// The angles are set directly, each brought into the viewer's range
// (-180, 360) by whole turns; the tilt turns the model by one tilt step of
// that angle from the reset view.
std::optional<std::string> ParseRenderOptions(const std::vector<std::string>& args,
                                              RenderOptions& options);

}  // namespace veltrisko::tool
