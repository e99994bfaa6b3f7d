// SPDX-License-Identifier: MIT
#pragma once

#include "render/pattern_frame.h"
#include "render/pattern_geometry.h"
#include "scene/scene_state.h"

namespace veltrisko {

// Draws one complete OpenGL frame of the scene with the two code texts on the
// current context, and tells whether the frame ran through or ended after the
// axes. Everything it draws comes through its arguments.
FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode);

// The same with the frame's additions (difference colouring, a marked
// direction) and what the difference colouring found.
FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode,
                         const FrameOptions& options, std::optional<DifferenceFindings>* findings);

}  // namespace veltrisko
