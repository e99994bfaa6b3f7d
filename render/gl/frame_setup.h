// SPDX-License-Identifier: MIT
#pragma once

#include "render/pattern_geometry.h"
#include "scene/scene_state.h"

namespace veltrisko {

// Begins a frame on the current context (square viewport in the top-left
// corner, white clear, one light with colour material, the scene's camera as
// the projection, polygon offset, depth test) and finishes it with glFinish
// when it ends, on every way out.
class FrameSetup {
 public:
  FrameSetup(const ClientRect& clientRect, const SceneState& scene);
  ~FrameSetup();
  FrameSetup(const FrameSetup&) = delete;
  FrameSetup& operator=(const FrameSetup&) = delete;
};

}  // namespace veltrisko
