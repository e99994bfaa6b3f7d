// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "app/logic/view_drag.h"

namespace veltrisko {

// Turns the antenna by dragging in the picture: the left button turns
// azimuth and elevation, the right button (or Shift + left) tilts the model.
// Watches the events of the widget or window it is installed on.
class ViewMouseTurner final : public QObject {
  Q_OBJECT

 public:
  // `repaint` runs after each movement that changed an angle.
  ViewMouseTurner(QObject* watched, SceneState& scene, std::function<void()> repaint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SceneState& scene_;
  std::function<void()> repaint_;
  std::optional<DragMode> mode_;  // set while a button is held
  QPoint last_;
};

}  // namespace veltrisko
