// SPDX-License-Identifier: MIT
// The headless surface on Windows: a pbuffer (WGL_ARB_pbuffer) whose pixel
// format asks what the viewer's window asks, 24 colour and 32 depth bits. The
// extension's entry points come from a context on a hidden helper window.
#include <GL/gl.h>
#include <GL/wglext.h>
#include <windows.h>

#include <string>

#include "render/gl/headless_surface.h"
#include "render/gl/wgl_pixel_format.h"

namespace veltrisko {

struct HeadlessSurface::Binding {
  HWND window = nullptr;
  HDC windowDc = nullptr;
  HGLRC helperContext = nullptr;
  HPBUFFERARB pbuffer = nullptr;
  HDC pbufferDc = nullptr;
  HGLRC context = nullptr;

  PFNWGLCHOOSEPIXELFORMATARBPROC choosePixelFormat = nullptr;
  PFNWGLCREATEPBUFFERARBPROC createPbuffer = nullptr;
  PFNWGLGETPBUFFERDCARBPROC getPbufferDc = nullptr;
  PFNWGLRELEASEPBUFFERDCARBPROC releasePbufferDc = nullptr;
  PFNWGLDESTROYPBUFFERARBPROC destroyPbuffer = nullptr;
  PFNWGLQUERYPBUFFERARBPROC queryPbuffer = nullptr;

  template <class Function>
  static bool Load(Function& function, const char* name) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
    return function != nullptr;
  }

  bool LoadPbufferFunctions() {
    return Load(choosePixelFormat, "wglChoosePixelFormatARB") &&
           Load(createPbuffer, "wglCreatePbufferARB") && Load(getPbufferDc, "wglGetPbufferDCARB") &&
           Load(releasePbufferDc, "wglReleasePbufferDCARB") &&
           Load(destroyPbuffer, "wglDestroyPbufferARB") && Load(queryPbuffer, "wglQueryPbufferARB");
  }
};

namespace {

constexpr wchar_t kHelperClass[] = L"VeltriskoHeadlessHelper";

std::string WindowsError(const char* what) {
  return std::string(what) + " failed (Windows error " + std::to_string(GetLastError()) + ")";
}

bool RegisterHelperClass() {
  static const bool registered = [] {
    WNDCLASSW helper{};
    helper.style = CS_OWNDC;
    helper.lpfnWndProc = DefWindowProcW;
    helper.hInstance = GetModuleHandleW(nullptr);
    helper.lpszClassName = kHelperClass;
    return RegisterClassW(&helper) != 0;
  }();
  return registered;
}

}  // namespace

HeadlessSurface::HeadlessSurface(int width, int height)
    : width_(width), height_(height), binding_(std::make_unique<Binding>()) {}

HeadlessSurface::~HeadlessSurface() { DestroyContext(); }

bool HeadlessSurface::CreateBinding() {
  Binding& b = *binding_;
  if (!RegisterHelperClass()) return Fail(WindowsError("RegisterClass"));
  b.window = CreateWindowExW(0, kHelperClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (b.window == nullptr) return Fail(WindowsError("CreateWindowEx"));
  b.windowDc = GetDC(b.window);
  const PIXELFORMATDESCRIPTOR requested = RequestedPixelFormat();
  const int windowFormat = ChoosePixelFormat(b.windowDc, &requested);
  if (windowFormat == 0 || !SetPixelFormat(b.windowDc, windowFormat, &requested)) {
    return Fail(WindowsError("SetPixelFormat"));
  }
  b.helperContext = wglCreateContext(b.windowDc);
  if (b.helperContext == nullptr || !wglMakeCurrent(b.windowDc, b.helperContext)) {
    return Fail(WindowsError("wglCreateContext"));
  }
  if (!b.LoadPbufferFunctions()) return Fail("no pbuffer support (WGL_ARB_pbuffer)");

  const int formatAttributes[] = {WGL_DRAW_TO_PBUFFER_ARB,
                                  TRUE,
                                  WGL_SUPPORT_OPENGL_ARB,
                                  TRUE,
                                  WGL_DOUBLE_BUFFER_ARB,
                                  TRUE,
                                  WGL_PIXEL_TYPE_ARB,
                                  WGL_TYPE_RGBA_ARB,
                                  WGL_COLOR_BITS_ARB,
                                  24,
                                  WGL_DEPTH_BITS_ARB,
                                  32,
                                  0};
  int format = 0;
  UINT formats = 0;
  if (!b.choosePixelFormat(b.windowDc, formatAttributes, nullptr, 1, &format, &formats) ||
      formats == 0) {
    return Fail("no pbuffer pixel format with 24 colour and 32 depth bits");
  }
  const int pbufferAttributes[] = {0};
  b.pbuffer = b.createPbuffer(b.windowDc, format, width_, height_, pbufferAttributes);
  if (b.pbuffer == nullptr) return Fail("the surface is larger than OpenGL allows");
  int width = 0, height = 0;
  b.queryPbuffer(b.pbuffer, WGL_PBUFFER_WIDTH_ARB, &width);
  b.queryPbuffer(b.pbuffer, WGL_PBUFFER_HEIGHT_ARB, &height);
  if (width != width_ || height != height_) return Fail("the surface is larger than OpenGL allows");
  b.pbufferDc = b.getPbufferDc(b.pbuffer);
  if (b.pbufferDc == nullptr) return Fail(WindowsError("wglGetPbufferDCARB"));
  b.context = wglCreateContext(b.pbufferDc);
  if (b.context == nullptr) return Fail(WindowsError("wglCreateContext (pbuffer)"));
  DoneCurrent();
  return true;
}

bool HeadlessSurface::MakeCurrent() {
  Binding& b = *binding_;
  if (b.context == nullptr) {
    error_ = "no context";
    return false;
  }
  if (!wglMakeCurrent(b.pbufferDc, b.context)) {
    error_ = WindowsError("wglMakeCurrent");
    return false;
  }
  return true;
}

void HeadlessSurface::DoneCurrent() { wglMakeCurrent(nullptr, nullptr); }

void HeadlessSurface::DestroyContext() {
  Binding& b = *binding_;
  wglMakeCurrent(nullptr, nullptr);
  if (b.context != nullptr) wglDeleteContext(b.context);
  if (b.pbufferDc != nullptr) b.releasePbufferDc(b.pbuffer, b.pbufferDc);
  if (b.pbuffer != nullptr) b.destroyPbuffer(b.pbuffer);
  if (b.helperContext != nullptr) wglDeleteContext(b.helperContext);
  if (b.windowDc != nullptr) ReleaseDC(b.window, b.windowDc);
  if (b.window != nullptr) DestroyWindow(b.window);
  b = Binding{};
}

}  // namespace veltrisko
