// SPDX-License-Identifier: MIT
#include "render/gl/draw_pattern.h"

#include "render/frame_setup.h"
#include "render/gl/apply_frame_setup.h"

namespace veltrisko {

FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode) {
  return DrawPattern(scene, clientRect, horizontalCode, verticalCode, {}, nullptr);
}

FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode,
                         const FrameOptions& options, std::optional<DifferenceFindings>* findings) {
  const RecordedFrame frame =
      RecordWholeFrame(scene, clientRect, horizontalCode, verticalCode, options, findings);
  ReplayFrame(frame);
  return frame.outcome;
}

}  // namespace veltrisko
