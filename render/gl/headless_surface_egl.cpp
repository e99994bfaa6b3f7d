// SPDX-License-Identifier: MIT
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "render/gl/headless_surface.h"

namespace veltrisko {

struct HeadlessSurface::Binding {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLContext context = EGL_NO_CONTEXT;
  EGLSurface surface = EGL_NO_SURFACE;
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
    : width_(width), height_(height), binding_(std::make_unique<Binding>()) {}

HeadlessSurface::~HeadlessSurface() { DestroyContext(); }

bool HeadlessSurface::CreateBinding() {
  Binding& e = *binding_;
  e.display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (e.display == EGL_NO_DISPLAY) return Fail(EglError("eglGetPlatformDisplay (surfaceless)"));
  if (!eglInitialize(e.display, nullptr, nullptr)) {
    e.display = EGL_NO_DISPLAY;
    return Fail(EglError("eglInitialize"));
  }
  if (!eglBindAPI(EGL_OPENGL_API)) return Fail(EglError("eglBindAPI(OpenGL)"));
  // A pbuffer, not a framebuffer object: OpenGL draws into it as into a
  // window's buffer (rows from the top), so the edges of triangles and lines
  // fall on the same pixels as in the viewers' windows. The 32-bit depth
  // buffer is the viewers' too; it sets how far the polygon offset pushes.
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_ALPHA_SIZE,
                                     8,
                                     EGL_DEPTH_SIZE,
                                     32,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  if (!eglChooseConfig(e.display, configAttributes, &config, 1, &configs) || configs < 1) {
    return Fail(EglError("eglChooseConfig (pbuffer, RGBA8, depth 32)"));
  }
  EGLint maxWidth = 0, maxHeight = 0;
  eglGetConfigAttrib(e.display, config, EGL_MAX_PBUFFER_WIDTH, &maxWidth);
  eglGetConfigAttrib(e.display, config, EGL_MAX_PBUFFER_HEIGHT, &maxHeight);
  if (width_ > maxWidth || height_ > maxHeight) {
    return Fail("the surface is larger than OpenGL allows");
  }
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width_, EGL_HEIGHT, height_, EGL_NONE};
  e.surface = eglCreatePbufferSurface(e.display, config, surfaceAttributes);
  if (e.surface == EGL_NO_SURFACE) return Fail(EglError("eglCreatePbufferSurface"));
  // 2.1 yields a context that keeps glBegin; a 3.2+ request without the
  // compatibility profile would give a core context that ignores it.
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1,
                               EGL_NONE};
  e.context = eglCreateContext(e.display, config, EGL_NO_CONTEXT, attributes);
  if (e.context == EGL_NO_CONTEXT) return Fail(EglError("eglCreateContext"));
  if (!eglMakeCurrent(e.display, e.surface, e.surface, e.context)) {
    return Fail(EglError("eglMakeCurrent"));
  }
  DoneCurrent();
  return true;
}

bool HeadlessSurface::MakeCurrent() {
  Binding& e = *binding_;
  if (e.context == EGL_NO_CONTEXT) {
    error_ = "no context";
    return false;
  }
  if (!eglMakeCurrent(e.display, e.surface, e.surface, e.context)) {
    error_ = EglError("eglMakeCurrent");
    return false;
  }
  return true;
}

void HeadlessSurface::DoneCurrent() {
  if (binding_->display != EGL_NO_DISPLAY) {
    eglMakeCurrent(binding_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  }
}

void HeadlessSurface::DestroyContext() {
  Binding& e = *binding_;
  if (e.context != EGL_NO_CONTEXT) {
    eglMakeCurrent(e.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(e.display, e.context);
  }
  if (e.surface != EGL_NO_SURFACE) eglDestroySurface(e.display, e.surface);
  // The surfaceless display is shared by every surface of the process, so
  // it is left initialised.
  e = Binding{};
}

}  // namespace veltrisko
