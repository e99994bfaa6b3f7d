// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// The pixel format every Windows surface of the program asks for: a
// double-buffered RGBA window format with 24 colour bits and a 32-bit depth
// buffer, every other field 0.
inline PIXELFORMATDESCRIPTOR RequestedPixelFormat() {
  PIXELFORMATDESCRIPTOR requested{};
  requested.nSize = sizeof requested;
  requested.nVersion = 1;
  requested.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  requested.iPixelType = PFD_TYPE_RGBA;
  requested.cColorBits = 24;
  requested.cDepthBits = 32;
  return requested;
}

}  // namespace veltrisko
