// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "render/gl/gl_context.h"
#include "render/gl/rgb_image.h"

namespace veltrisko {

// An offscreen drawing surface that needs no display: an OpenGL context
// drawing into a pbuffer with 8-bit RGB(A) colour and a 32-bit depth buffer.
// On Linux a 2.1 context on Mesa's surfaceless EGL platform; on Windows a WGL
// context on a WGL_ARB_pbuffer.
class HeadlessSurface final : public GLSurface {
 public:
  HeadlessSurface(int width, int height);
  ~HeadlessSurface() override;
  HeadlessSurface(const HeadlessSurface&) = delete;
  HeadlessSurface& operator=(const HeadlessSurface&) = delete;

  bool CreateContext() override;
  bool MakeCurrent() override;
  void DoneCurrent() override;
  void DestroyContext() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Why the last CreateContext or MakeCurrent failed.
  const std::string& Error() const { return error_; }

  // The framebuffer's picture, top row first; the context must be current.
  RgbImage ReadPixels() const;

 private:
  struct Binding;  // the window system's objects
  // The system's part of CreateContext, for a surface of at least one pixel.
  bool CreateBinding();
  bool Fail(const std::string& message);

  int width_;
  int height_;
  std::string error_;
  std::unique_ptr<Binding> binding_;
};

}  // namespace veltrisko
