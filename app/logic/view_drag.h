// SPDX-License-Identifier: MIT
#pragma once

#include "scene/scene_state.h"

namespace veltrisko {

// Turning the view with the mouse: every pixel of movement is half a degree,
// applied through the same view operations (and wrap rules) as the keys.
inline constexpr double kDragDegreesPerPixel = 0.5;

enum class DragMode {
  kTurn,  // left button: horizontal movement azimuth, vertical elevation
  kTilt,  // right button or Shift + left: vertical movement tilts as Up/Down
};

// Applies one mouse movement of (dx, dy) pixels, screen y pointing down:
// right turns like the Right key, up raises the elevation, down tilts like
// the Down key. Returns whether an angle changed.
bool ApplyDrag(SceneState& scene, DragMode mode, int dx, int dy);

}  // namespace veltrisko
