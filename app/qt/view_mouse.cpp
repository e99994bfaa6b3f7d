// SPDX-License-Identifier: MIT
#include "app/qt/view_mouse.h"

#include <QMouseEvent>

namespace veltrisko {

ViewMouseTurner::ViewMouseTurner(QObject* watched, SceneState& scene, std::function<void()> repaint)
    : QObject(watched), scene_(scene), repaint_(std::move(repaint)) {
  watched->installEventFilter(this);
}

bool ViewMouseTurner::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mode_) return true;  // a second button does not change the drag
      if (mouse->button() == Qt::RightButton ||
          (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)))
        mode_ = DragMode::kTilt;
      else if (mouse->button() == Qt::LeftButton)
        mode_ = DragMode::kTurn;
      else
        return false;
      last_ = mouse->position().toPoint();
      // Others watching the view (a click that pins a readout) see the press too.
      return false;
    }
    case QEvent::MouseMove: {
      if (!mode_) return false;
      const QPoint now = static_cast<QMouseEvent*>(event)->position().toPoint();
      const QPoint moved = now - last_;
      last_ = now;
      if (ApplyDrag(scene_, *mode_, moved.x(), moved.y())) repaint_();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!mode_ || static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) return false;
      mode_.reset();
      return false;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace veltrisko
