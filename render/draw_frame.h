#pragma once

#include "render/draw_pattern.h"
#include "render/pattern_frame.h"

namespace veltrisko {

// DrawPattern with explicit code texts that also tells whether the frame ran
// through or ended after the axes.
FrameOutcome DrawPatternFrame(const SceneState& scene, const ClientRect& clientRect,
                              const char* horizontalCode, const char* verticalCode);

}  // namespace veltrisko
