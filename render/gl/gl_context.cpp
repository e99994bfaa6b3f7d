// SPDX-License-Identifier: MIT
#include "render/gl/gl_context.h"

namespace veltrisko {

void GLContext::CreateContext(GLSurface& surface) {
  owner_ = nullptr;
  if (surface.CreateContext()) owner_ = &surface;
}

bool GLContext::MakeCurrent(GLSurface* surface) {
  if (surface == nullptr) {
    // Releasing needs no context: before the first paint it must not use up
    // the one creation attempt.
    if (lastSurface_ != nullptr) lastSurface_->DoneCurrent();
    lastSurface_ = nullptr;
    return true;
  }
  if (!initialised_) {
    CreateContext(*surface);
    initialised_ = true;
  }
  // The context lives on the surface it was created on.
  if (owner_ == nullptr || surface != owner_) return false;
  if (!surface->MakeCurrent()) return false;
  lastSurface_ = surface;
  return true;
}

void GLContext::DeleteContext() {
  if (!initialised_) return;
  if (owner_ != nullptr) {
    owner_->DestroyContext();
    owner_ = nullptr;
  }
  lastSurface_ = nullptr;
  initialised_ = false;
}

}  // namespace veltrisko
