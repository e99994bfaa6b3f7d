// SPDX-License-Identifier: MIT
#include "app/qt/pattern_view.h"

#include <QOpenGLContext>
#include <cmath>

#include "app/logic/difference_legend.h"
#include "render/gl/draw_pattern.h"

namespace veltrisko {

bool QtGLSurface::CreateContext() {
  const QOpenGLContext* context = view_.context();
  return context != nullptr && context->isValid();
}

bool QtGLSurface::MakeCurrent() {
  if (view_.context() == nullptr) return false;
  view_.makeCurrent();
  return QOpenGLContext::currentContext() == view_.context();
}

void QtGLSurface::DoneCurrent() {
  // Qt still swaps the window's buffers with this context after paintGL
  // returns, so the release waits until then.
  if (!view_.Painting()) view_.doneCurrent();
}

PatternView::PatternView(GLContext& context, std::function<FrameSource()> source)
    : context_(context), source_(std::move(source)) {
  // A click in the picture leaves the keyboard focus with the main window, as
  // it did when the picture was a widget; a child window with the focus of
  // its own would also hide from the window manager which window is active.
  setFlag(Qt::WindowDoesNotAcceptFocus);
}

PatternView::~PatternView() {
  // The context dies with the window; a later view creates its own.
  if (context_.Initialised()) {
    makeCurrent();
    context_.DeleteContext();
    doneCurrent();
  }
}

QImage PatternView::GrabFrame() {
  if (!isValid()) return {};
  makeCurrent();
  paintGL();  // into the back buffer, which the next paint draws anew
  return grabFramebuffer();
}

void PatternView::paintGL() {
  painting_ = true;
  context_.MakeCurrent(&surface_);
  const qreal ratio = devicePixelRatio();
  const ClientRect client{0, 0, static_cast<int>(std::lround(width() * ratio)),
                          static_cast<int>(std::lround(height() * ratio))};
  const FrameSource frame = source_();
  const std::optional<DifferenceFindings> before = findings_;
  DrawPattern(frame.scene, client, frame.horizontalCode, frame.verticalCode, frame.options,
              &findings_);
  // QOpenGLWindow swaps the buffers itself after paintGL.
  context_.MakeCurrent(nullptr);
  painting_ = false;
  if (DifferenceLegendsDiffer(before, findings_)) emit FindingsChanged();
  emit FrameDrawn();
}

}  // namespace veltrisko
