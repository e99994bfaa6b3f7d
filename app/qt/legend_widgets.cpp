// SPDX-License-Identifier: MIT
#include "app/qt/legend_widgets.h"

#include <QApplication>
#include <QPainter>

#include "app/logic/legend_drawing.h"
#include "app/logic/legend_scale.h"
#include "app/qt/diagram_painter.h"

namespace veltrisko {

namespace {

void MarkOpaque(QWidget* legend) { legend->setAttribute(Qt::WA_OpaquePaintEvent); }

// The thin border; the client area lies one pixel inside it.
void DrawBorder(QPainter& painter, const QRect& outer) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outer.adjusted(0, 0, -1, -1));
}

double UserLegendScale() { return LegendScale(QApplication::font().pointSizeF()); }

// Paints a legend's drawing inside its border, at the user's scale.
void PaintLegend(QWidget* legend, const Drawing& drawing, double scale) {
  QPainter painter(legend);
  // The widget may be larger than the drawing while the legend grows.
  const Rgb background = drawing.background;
  painter.fillRect(legend->rect(), QColor(background.r, background.g, background.b));
  painter.translate(1, 1);
  painter.scale(scale, scale);
  PaintDrawing(painter, drawing);
  painter.resetTransform();
  DrawBorder(painter, legend->rect());
}

}  // namespace

InfoLegend::InfoLegend(QWidget* parent, std::function<InfoLegendContent()> content)
    : QWidget(parent), content_(std::move(content)) {
  MarkOpaque(this);
  resize(static_cast<int>(kInfoLegendWidth * Scale()),
         static_cast<int>(kInfoLegendHeight * Scale()));
}

double InfoLegend::Scale() const { return UserLegendScale(); }

void InfoLegend::paintEvent(QPaintEvent*) {
  PaintLegend(this, InfoLegendDrawing(content_()), Scale());
}

ColourLegend::ColourLegend(QWidget* parent, std::function<ColourLegendContent()> content)
    : QWidget(parent), content_(std::move(content)) {
  MarkOpaque(this);
  resize(static_cast<int>(kColourLegendWidth * Scale()),
         static_cast<int>(kColourLegendHeight * Scale()));
}

double ColourLegend::Scale() const { return UserLegendScale(); }

void ColourLegend::paintEvent(QPaintEvent*) {
  PaintLegend(this, ColourLegendDrawing(content_()), Scale());
}

}  // namespace veltrisko
