// SPDX-License-Identifier: MIT
#pragma once

#include "scene/scene_state.h"

namespace veltrisko {

// Brings an angle into the viewer's range, above -180 and below 360, by
// whole turns; every reader of a start angle (the command line, a view link)
// uses it, so that the same number means the same view everywhere.
float IntoViewerRange(float degrees);

// Turns the model as one tilt step of that angle from the reset view does,
// after the angle is brought into the viewer's range.
void ApplyTilt(SceneState& scene, float tiltDegrees);

}  // namespace veltrisko
