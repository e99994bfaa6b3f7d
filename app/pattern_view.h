// SPDX-License-Identifier: MIT
#pragma once

#include <QOpenGLWidget>
#include <functional>

#include "render/gl/gl_context.h"
#include "scene/scene_state.h"

namespace veltrisko {

class PatternView;

// The program's GL surface: the context of the pattern view's QOpenGLWidget.
class QtGLSurface final : public GLSurface {
 public:
  explicit QtGLSurface(PatternView& view) : view_(view) {}
  bool CreateContext() override;
  bool MakeCurrent() override;
  void DoneCurrent() override;
  void DestroyContext() override {}  // the widget owns its context

 private:
  PatternView& view_;
};

// What one frame draws, asked for at each paint: the scene and the two codes.
struct FrameSource {
  const SceneState& scene;
  const char* horizontalCode;
  const char* verticalCode;
};

// The 3-D view: one DrawPattern frame per paint, into the top-left square, on
// the context that `context` records.
class PatternView final : public QOpenGLWidget {
  Q_OBJECT

 public:
  PatternView(QWidget* parent, GLContext& context, std::function<FrameSource()> source);
  ~PatternView() override;

  bool Painting() const { return painting_; }

 protected:
  void paintGL() override;

 private:
  GLContext& context_;
  std::function<FrameSource()> source_;
  QtGLSurface surface_{*this};
  bool painting_ = false;
};

}  // namespace veltrisko
