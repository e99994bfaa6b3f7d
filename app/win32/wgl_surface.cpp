// SPDX-License-Identifier: MIT
#include "app/win32/wgl_surface.h"

#include <string>

#include "app/win32/test_dumps.h"
#include "render/gl/wgl_pixel_format.h"

namespace veltrisko {

bool WglSurface::CreateContext() {
  context_ = nullptr;
  PIXELFORMATDESCRIPTOR requested = RequestedPixelFormat();
  pixelFormat_ = ChoosePixelFormat(dc_, &requested);
  if (pixelFormat_ == 0) return false;
  if (!SetPixelFormat(dc_, pixelFormat_, &requested)) return false;
  pixelFormat_ = GetPixelFormat(dc_);
  DescribePixelFormat(dc_, pixelFormat_, sizeof formatDescription_, &formatDescription_);
  DumpText("pixel-format", "colour " + std::to_string(formatDescription_.cColorBits) + " depth " +
                               std::to_string(formatDescription_.cDepthBits) + " stencil " +
                               std::to_string(formatDescription_.cStencilBits) + "\n");
  // Displays that need a palette are not served.
  if (formatDescription_.dwFlags & PFD_NEED_PALETTE) return false;
  context_ = wglCreateContext(dc_);
  return context_ != nullptr;
}

bool WglSurface::MakeCurrent() {
  if (context_ == nullptr) return false;
  // Repeating the index already set succeeds; a later paint may come with a
  // new device context of the same window.
  if (!SetPixelFormat(dc_, pixelFormat_, &formatDescription_)) return false;
  return wglMakeCurrent(dc_, context_) != FALSE;
}

void WglSurface::DoneCurrent() { wglMakeCurrent(nullptr, nullptr); }

void WglSurface::DestroyContext() {
  if (context_ == nullptr) return;
  wglDeleteContext(context_);
  context_ = nullptr;
}

}  // namespace veltrisko
