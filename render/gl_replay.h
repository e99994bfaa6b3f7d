#pragma once

#include "render/draw_list.h"

namespace veltrisko {

// Sends a recorded frame to the current OpenGL context, one call per command.
void ReplayDrawList(const DrawList& list);

}  // namespace veltrisko
