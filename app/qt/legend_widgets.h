// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

#include "diagram/drawing.h"

namespace veltrisko {

// A legend over the picture: the information legend (what is drawn, the
// view angles, the codes, the HCM version, the display mode) or the
// false-colour strip, painted at each paint from the drawing `drawing`
// gives for the current state, inside a thin border.
class LegendWidget final : public QWidget {
  Q_OBJECT

 public:
  // `width` x `height`: its size at 96 dpi.
  LegendWidget(QWidget* parent, std::function<Drawing()> drawing, int width, int height);
  // How much larger than its 96-dpi layout the legend is drawn, from the
  // user's font size (Qt adds the screen's device pixel ratio).
  double Scale() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<Drawing()> drawing_;
};

}  // namespace veltrisko
