// SPDX-License-Identifier: MIT
#pragma once

#include <QSurfaceFormat>

namespace veltrisko {

// The format the pattern view needs: a double-buffered RGB compatibility
// context of OpenGL 2.1 that keeps the fixed-function calls.
QSurfaceFormat ViewerSurfaceFormat(int depthBits);

// True when a display server can be reached the way Qt will try; otherwise
// prints how to start the viewer and returns false.
bool CheckDisplay(const char* programName);

}  // namespace veltrisko
