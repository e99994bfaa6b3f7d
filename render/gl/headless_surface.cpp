// SPDX-License-Identifier: MIT
// What the headless surface does alike on every system: its creation's
// checks and failures, and reading its picture.
#include "render/gl/headless_surface.h"

#include <GL/gl.h>

#include <algorithm>

namespace veltrisko {

bool HeadlessSurface::Fail(const std::string& message) {
  error_ = message;
  DestroyContext();
  return false;
}

bool HeadlessSurface::CreateContext() {
  DestroyContext();
  if (width_ < 1 || height_ < 1) return Fail("the surface has no pixels");
  return CreateBinding();
}

RgbImage HeadlessSurface::ReadPixels() const {
  RgbImage image;
  image.width = width_;
  image.height = height_;
  const std::size_t rowBytes = static_cast<std::size_t>(width_) * 3;
  std::vector<std::uint8_t> bottomUp(rowBytes * height_);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  // OpenGL counts rows from the bottom, pictures from the top.
  image.rgb.resize(bottomUp.size());
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* source = bottomUp.data() + rowBytes * (height_ - 1 - y);
    std::copy(source, source + rowBytes, image.rgb.data() + rowBytes * y);
  }
  return image;
}

}  // namespace veltrisko
