// SPDX-License-Identifier: MIT
#include "render/gl/draw_pattern.h"

#include "render/gl/frame_setup.h"
#include "render/gl/gl_draw_sink.h"

namespace veltrisko {

FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode) {
  const FrameSetup setup(clientRect, scene);
  GlDrawSink sink;
  return RecordPatternFrame(scene, horizontalCode, verticalCode, sink);
}

}  // namespace veltrisko

namespace veltrisko {

FrameOutcome DrawPattern(const SceneState& scene, const ClientRect& clientRect,
                         const char* horizontalCode, const char* verticalCode,
                         const FrameOptions& options, std::optional<DifferenceFindings>* findings) {
  const FrameSetup setup(clientRect, scene);
  GlDrawSink sink;
  return RecordPatternFrame(scene, horizontalCode, verticalCode, sink, options, findings);
}

}  // namespace veltrisko
