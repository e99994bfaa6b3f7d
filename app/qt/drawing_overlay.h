// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "diagram/drawing.h"

namespace veltrisko {

// A box over the picture that paints a shared drawing (the readout box, the
// code message) with the diagram painter, at the drawing's size; hidden
// while the drawing is empty. Mouse events pass through it.
class DrawingOverlay : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingOverlay(QWidget* parent);

  // Shows `drawing`, which says `text` (also the widget's accessible name).
  void Show(const Drawing& drawing, const std::string& text);
  // The text the box says now; empty while it is hidden.
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawing drawing_;
  QString text_;
};

}  // namespace veltrisko
