#include "render/draw_pattern.h"

#include <exception>

#include "dialog/antenna_panel.h"
#include "render/draw_frame.h"
#include "render/frame_setup.h"
#include "render/gl_replay.h"

namespace veltrisko {

FrameOutcome DrawPatternFrame(const SceneState& scene, const ClientRect& clientRect,
                              const char* horizontalCode, const char* verticalCode) {
  const FrameSetup setup(clientRect, scene);
  FrameOutcome outcome = FrameOutcome::EndedEarly;
  DrawList list;
  try {
    outcome = RecordPatternFrame(scene, horizontalCode, verticalCode, list);
  } catch (const std::exception&) {
    // Only running out of memory for the recording itself lands here; what
    // was recorded is still drawn.
  }
  ReplayDrawList(list);
  return outcome;
}

void DrawPattern(const SceneState& scene, const ClientRect& clientRect, const char* horizontalCode,
                 const char* verticalCode) {
  DrawPatternFrame(scene, clientRect, horizontalCode, verticalCode);
}

void DrawPattern(const SceneState& scene, const ClientRect& clientRect) {
  DrawPatternFrame(scene, clientRect, horizontalPanel.Code(), verticalPanel.Code());
}

}  // namespace veltrisko
