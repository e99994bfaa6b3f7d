// SPDX-License-Identifier: MIT
#include "app/qt/legend_widgets.h"

#include <QApplication>
#include <QPainter>

#include "app/logic/legend_scale.h"
#include "app/qt/diagram_painter.h"

namespace veltrisko {

LegendWidget::LegendWidget(QWidget* parent, std::function<Drawing()> drawing, int width, int height)
    : QWidget(parent), drawing_(std::move(drawing)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(static_cast<int>(width * Scale()), static_cast<int>(height * Scale()));
}

double LegendWidget::Scale() const { return LegendScale(QApplication::font().pointSizeF()); }

void LegendWidget::paintEvent(QPaintEvent*) {
  const Drawing drawing = drawing_();
  QPainter painter(this);
  // The widget may be larger than the drawing while the legend grows.
  const Rgb background = drawing.background;
  painter.fillRect(rect(), QColor(background.r, background.g, background.b));
  painter.translate(1, 1);
  painter.scale(Scale(), Scale());
  PaintDrawing(painter, drawing);
  painter.resetTransform();
  // The thin border; the client area lies one pixel inside it.
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace veltrisko
