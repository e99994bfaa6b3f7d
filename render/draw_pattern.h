#pragma once

#include "scene/scene_state.h"

namespace veltrisko {

// The client rectangle handed down from the paint path.
struct ClientRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Draws one complete OpenGL frame of the scene with the current codes of
// horizontalPanel and verticalPanel. The caller has made a context current.
void DrawPattern(const SceneState& scene, const ClientRect& clientRect);

}  // namespace veltrisko
