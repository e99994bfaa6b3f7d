// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// What one window-system binding supplies for the program's one OpenGL
// context: the viewers' bindings wrap their window (Qt, WGL), the headless one
// a pbuffer (EGL surfaceless on Linux, WGL on Windows).
class GLSurface {
 public:
  virtual ~GLSurface() = default;
  // Chooses the pixel format and creates the context; false when no context
  // could be had.
  virtual bool CreateContext() = 0;
  // Makes the created context current on this surface; false on failure.
  virtual bool MakeCurrent() = 0;
  // Makes no context current.
  virtual void DoneCurrent() = 0;
  virtual void DestroyContext() = 0;
};

// The one context record: created on the first MakeCurrent with a surface,
// the attempt made once only, deleted at process exit.
class GLContext {
 public:
  GLContext() = default;
  GLContext(const GLContext&) = delete;
  GLContext& operator=(const GLContext&) = delete;
  ~GLContext() { DeleteContext(); }

  // With a surface: creates the context on the first call, then makes it
  // current. With nullptr: makes no context current and returns true.
  bool MakeCurrent(GLSurface* surface);
  void CreateContext(GLSurface& surface);
  // The context lives on its surface: a binding whose surface ends before
  // the process does calls DeleteContext first.
  void DeleteContext();

  bool Initialised() const { return initialised_; }
  bool HasContext() const { return owner_ != nullptr; }

 private:
  GLSurface* owner_ = nullptr;  // the surface whose context exists, if any
  GLSurface* lastSurface_ = nullptr;
  bool initialised_ = false;
};

}  // namespace veltrisko
