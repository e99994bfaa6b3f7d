// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "render/gl/gl_context.h"

namespace veltrisko {

// The main window's binding of the one OpenGL context to WGL: a double-
// buffered RGBA pixel format with 24 colour and 32 depth bits, chosen once
// on the device context of the first paint and set again on every later one.
class WglSurface final : public GLSurface {
 public:
  // The paint device context of the frame about to be drawn.
  void SetDeviceContext(HDC dc) { dc_ = dc; }

  bool CreateContext() override;
  bool MakeCurrent() override;
  void DoneCurrent() override;
  void DestroyContext() override;

 private:
  HDC dc_ = nullptr;
  HGLRC context_ = nullptr;
  int pixelFormat_ = 0;
  PIXELFORMATDESCRIPTOR formatDescription_{};
};

}  // namespace veltrisko
