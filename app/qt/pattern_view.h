// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QOpenGLWindow>
#include <functional>
#include <optional>

#include "render/gl/gl_context.h"
#include "render/pattern_frame.h"
#include "scene/scene_state.h"

namespace veltrisko {

class PatternView;

// The program's GL surface: the context of the pattern view's window.
class QtGLSurface final : public GLSurface {
 public:
  explicit QtGLSurface(PatternView& view) : view_(view) {}
  bool CreateContext() override;
  bool MakeCurrent() override;
  void DoneCurrent() override;
  void DestroyContext() override {}  // the window owns its context

 private:
  PatternView& view_;
};

// What one frame draws, asked for at each paint: the scene and the two codes.
struct FrameSource {
  const SceneState& scene;
  const char* horizontalCode;
  const char* verticalCode;
  FrameOptions options{};  // the frame's additions, none by default
};

// The 3-D view: one DrawPattern frame per paint, into the top-left square, on
// the context that `context` records. A window of its own (placed in the main
// window with QWidget::createWindowContainer) that swaps its own buffer, so
// that no composition of the whole main window follows each frame.
class PatternView final : public QOpenGLWindow {
  Q_OBJECT

 public:
  PatternView(GLContext& context, std::function<FrameSource()> source);
  ~PatternView() override;

  bool Painting() const { return painting_; }
  // What the last frame's difference colouring found (nothing without it).
  const std::optional<DifferenceFindings>& Findings() const { return findings_; }
  // The current frame source, for reading numbers off the picture.
  FrameSource Source() const { return source_(); }
  // Draws a frame of the current state and reads it back, without showing
  // it; a null image before the window has its context.
  QImage GrabFrame();

 signals:
  // Emitted after a paint whose findings change what the legends show.
  void FindingsChanged();

 signals:
  // A frame has been drawn (before the buffers are swapped).
  void FrameDrawn();

 protected:
  void paintGL() override;

 private:
  GLContext& context_;
  std::function<FrameSource()> source_;
  QtGLSurface surface_{*this};
  bool painting_ = false;
  std::optional<DifferenceFindings> findings_;
};

}  // namespace veltrisko
