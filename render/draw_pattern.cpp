#include "render/draw_pattern.h"

#include "dialog/antenna_panel.h"
#include "render/draw_frame.h"
#include "render/frame_setup.h"
#include "render/gl_draw_sink.h"

namespace veltrisko {

FrameOutcome DrawPatternFrame(const SceneState& scene, const ClientRect& clientRect,
                              const char* horizontalCode, const char* verticalCode) {
  const FrameSetup setup(clientRect, scene);
  GlDrawSink sink;
  return RecordPatternFrame(scene, horizontalCode, verticalCode, sink);
}

void DrawPattern(const SceneState& scene, const ClientRect& clientRect) {
  DrawPatternFrame(scene, clientRect, horizontalPanel.Code(), verticalPanel.Code());
}

}  // namespace veltrisko
