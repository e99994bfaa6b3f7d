// SPDX-License-Identifier: MIT
#include "render/gl/headless_surface.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace veltrisko {

// Framebuffer objects are core only from OpenGL 3.0; a 2.1 context offers
// them as an extension, so the entry points are fetched at run time.
struct HeadlessSurface::Egl {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLContext context = EGL_NO_CONTEXT;
  GLuint framebuffer = 0;
  GLuint colour = 0;
  GLuint depth = 0;

  PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;

  template <class Function>
  static bool Load(Function& function, const char* name) {
    auto address = eglGetProcAddress(name);
    if (address == nullptr) address = eglGetProcAddress((std::string(name) + "EXT").c_str());
    function = reinterpret_cast<Function>(address);
    return function != nullptr;
  }

  bool LoadFramebufferFunctions() {
    return Load(genFramebuffers, "glGenFramebuffers") &&
           Load(deleteFramebuffers, "glDeleteFramebuffers") &&
           Load(bindFramebuffer, "glBindFramebuffer") &&
           Load(genRenderbuffers, "glGenRenderbuffers") &&
           Load(deleteRenderbuffers, "glDeleteRenderbuffers") &&
           Load(bindRenderbuffer, "glBindRenderbuffer") &&
           Load(renderbufferStorage, "glRenderbufferStorage") &&
           Load(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
           Load(checkFramebufferStatus, "glCheckFramebufferStatus");
  }
};

namespace {

std::string EglError(const char* what) {
  char text[96];
  std::snprintf(text, sizeof text, "%s failed (EGL error 0x%04X)", what,
                static_cast<unsigned>(eglGetError()));
  return text;
}

}  // namespace

HeadlessSurface::HeadlessSurface(int width, int height)
    : width_(width), height_(height), egl_(std::make_unique<Egl>()) {}

HeadlessSurface::~HeadlessSurface() { DestroyContext(); }

bool HeadlessSurface::Fail(const std::string& message) {
  error_ = message;
  DestroyContext();
  return false;
}

bool HeadlessSurface::CreateContext() {
  DestroyContext();
  if (width_ < 1 || height_ < 1) return Fail("the surface has no pixels");
  Egl& e = *egl_;
  e.display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (e.display == EGL_NO_DISPLAY) return Fail(EglError("eglGetPlatformDisplay (surfaceless)"));
  if (!eglInitialize(e.display, nullptr, nullptr)) {
    e.display = EGL_NO_DISPLAY;
    return Fail(EglError("eglInitialize"));
  }
  if (!eglBindAPI(EGL_OPENGL_API)) return Fail(EglError("eglBindAPI(OpenGL)"));
  // 2.1 yields a context that keeps glBegin; a 3.2+ request without the
  // compatibility profile would give a core context that ignores it.
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1,
                               EGL_NONE};
  e.context = eglCreateContext(e.display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
  if (e.context == EGL_NO_CONTEXT) return Fail(EglError("eglCreateContext"));
  if (!eglMakeCurrent(e.display, EGL_NO_SURFACE, EGL_NO_SURFACE, e.context)) {
    return Fail(EglError("eglMakeCurrent"));
  }
  if (!e.LoadFramebufferFunctions()) return Fail("no framebuffer object support");

  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
  if (width_ > maxSize || height_ > maxSize)
    return Fail("the surface is larger than OpenGL allows");
  e.genFramebuffers(1, &e.framebuffer);
  e.bindFramebuffer(GL_FRAMEBUFFER, e.framebuffer);
  e.genRenderbuffers(1, &e.colour);
  e.bindRenderbuffer(GL_RENDERBUFFER, e.colour);
  e.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
  e.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, e.colour);
  e.genRenderbuffers(1, &e.depth);
  e.bindRenderbuffer(GL_RENDERBUFFER, e.depth);
  e.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);
  e.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, e.depth);
  if (e.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    return Fail("the framebuffer object is incomplete");
  }
  DoneCurrent();
  return true;
}

bool HeadlessSurface::MakeCurrent() {
  Egl& e = *egl_;
  if (e.context == EGL_NO_CONTEXT) {
    error_ = "no context";
    return false;
  }
  if (!eglMakeCurrent(e.display, EGL_NO_SURFACE, EGL_NO_SURFACE, e.context)) {
    error_ = EglError("eglMakeCurrent");
    return false;
  }
  e.bindFramebuffer(GL_FRAMEBUFFER, e.framebuffer);
  return true;
}

void HeadlessSurface::DoneCurrent() {
  if (egl_->display != EGL_NO_DISPLAY) {
    eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  }
}

void HeadlessSurface::DestroyContext() {
  Egl& e = *egl_;
  if (e.context != EGL_NO_CONTEXT) {
    if (e.framebuffer != 0 &&
        eglMakeCurrent(e.display, EGL_NO_SURFACE, EGL_NO_SURFACE, e.context)) {
      e.deleteFramebuffers(1, &e.framebuffer);
      e.deleteRenderbuffers(1, &e.colour);
      e.deleteRenderbuffers(1, &e.depth);
    }
    eglMakeCurrent(e.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(e.display, e.context);
  }
  // The surfaceless display is shared by every surface of the process, so
  // it is left initialised.
  e = Egl{};
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
