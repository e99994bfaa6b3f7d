#pragma once

#include <QOpenGLWidget>

#include "render/gl_context.h"

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

// The 3-D view: one DrawPattern frame per paint, into the top-left square.
class PatternView final : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit PatternView(QWidget* parent);
  ~PatternView() override;

  bool Painting() const { return painting_; }

 protected:
  void paintGL() override;

 private:
  QtGLSurface surface_{*this};
  bool painting_ = false;
};

}  // namespace veltrisko
