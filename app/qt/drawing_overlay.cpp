// SPDX-License-Identifier: MIT
#include "app/qt/drawing_overlay.h"

#include <QPainter>
#include <cmath>

#include "app/qt/diagram_painter.h"

namespace veltrisko {

DrawingOverlay::DrawingOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void DrawingOverlay::Show(const Drawing& drawing, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  const QSize size(static_cast<int>(std::ceil(drawing.width)),
                   static_cast<int>(std::ceil(drawing.height)));
  const bool empty = size.isEmpty();
  // Called with every frame: an unchanged box is not painted again.
  if (shown == text_ && size == this->size() && isHidden() == empty) return;
  drawing_ = drawing;
  text_ = shown;
  setAccessibleName(text_);
  if (!empty) resize(size);
  setVisible(!empty);
  update();
}

void DrawingOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDrawing(painter, drawing_);
}

}  // namespace veltrisko
