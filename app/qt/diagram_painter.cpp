// SPDX-License-Identifier: MIT
#include "app/qt/diagram_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <type_traits>

namespace veltrisko {
namespace {

QColor ColourOf(Rgb c) { return QColor(c.r, c.g, c.b); }

QPen PenOf(Rgb colour, double width, Stroke stroke) {
  QPen pen(ColourOf(colour), width);
  pen.setStyle(stroke == Stroke::kDashed   ? Qt::DashLine
               : stroke == Stroke::kDotted ? Qt::DotLine
                                           : Qt::SolidLine);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void Draw(QPainter& painter, const Polyline& line) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(line.points.size()));
  for (const Point& p : line.points) polygon.append(QPointF(p.x, p.y));
  painter.setPen(PenOf(line.colour, line.width, line.stroke));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(polygon);
}

void Draw(QPainter& painter, const Circle& circle) {
  painter.setPen(PenOf(circle.colour, circle.width, Stroke::kSolid));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(circle.centre.x, circle.centre.y), circle.radius, circle.radius);
}

void Draw(QPainter& painter, const Label& label) {
  const QString text = QString::fromStdString(label.text);
  const QFont font = DiagramFont(label.size, label.bold);
  double x = label.at.x;
  if (label.anchor != Anchor::kStart) {
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    x -= label.anchor == Anchor::kMiddle ? width / 2.0 : width;
  }
  painter.setFont(font);
  painter.setPen(ColourOf(label.colour));
  painter.drawText(QPointF(x, label.at.y), text);
}

}  // namespace

QFont DiagramFont(double size, bool bold) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(std::max(1, static_cast<int>(std::floor(size))));
  font.setBold(bold);
  return font;
}

double QtTextWidth(const std::string& utf8, double size, bool bold) {
  return QFontMetricsF(DiagramFont(size, bold)).horizontalAdvance(QString::fromStdString(utf8));
}

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), Qt::white);
  for (const Shape& shape : drawing.shapes)
    std::visit([&painter](const auto& s) { Draw(painter, s); }, shape);
  painter.restore();
}

}  // namespace veltrisko
