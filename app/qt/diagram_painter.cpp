// SPDX-License-Identifier: MIT
#include "app/qt/diagram_painter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <type_traits>

#include "app/qt/ui_font.h"

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

// The interface face as the viewer's widgets set it; its texts are laid out
// in whole pixels, as theirs are.
QFont InterfaceFont(const Label& label) {
  QFont font = UiFont(8, label.bold ? QFont::Bold : label.weight);
  font.setPixelSize(std::max(1, static_cast<int>(std::floor(label.size))));
  return font;
}

// The face the widgets show messages in, at the label's size; untouched
// where it has that size already, so that a fractional point size keeps its
// rendering.
QFont MessageFont(const Label& label) {
  QFont font = QGuiApplication::font();
  const int pixels = std::max(1, static_cast<int>(std::floor(label.size)));
  if (QFontInfo(font).pixelSize() != pixels) font.setPixelSize(pixels);
  if (label.bold || label.weight != QFont::Normal)
    font.setWeight(label.bold ? QFont::Bold : QFont::Weight(label.weight));
  return font;
}

void Draw(QPainter& painter, const Label& label) {
  // The widgets' faces are laid out in whole pixels, as the widgets do.
  const bool interface = label.face != Face::kDiagram;
  QFont font = label.face == Face::kInterface ? InterfaceFont(label)
               : label.face == Face::kMessage ? MessageFont(label)
                                              : DiagramFont(label.size, label.bold);
  if (label.face == Face::kDiagram && !label.bold && label.weight != QFont::Normal)
    font.setWeight(QFont::Weight(label.weight));
  font.setUnderline(label.underline);
  painter.setFont(font);
  const QFontMetrics whole = painter.fontMetrics();
  const QFontMetricsF exact(font);
  const auto advance = [&](const QString& text) {
    return interface ? whole.horizontalAdvance(text) : exact.horizontalAdvance(text);
  };
  const QString text = QString::fromStdString(
      ElideToWidth(label.text, static_cast<int>(label.maxWidth), [&](const std::string& s) {
        return static_cast<int>(std::ceil(advance(QString::fromStdString(s))));
      }));
  double x = label.at.x;
  if (label.anchor != Anchor::kStart) {
    const double width = advance(text);
    x -= label.anchor == Anchor::kMiddle ? width / 2.0 : width;
  }
  double y = label.at.y;
  if (label.line == LineAnchor::kTop) y += interface ? whole.ascent() : exact.ascent();
  painter.setPen(ColourOf(label.colour));
  painter.drawText(QPointF(x, y), text);
}

void Draw(QPainter& painter, const FilledRect& rect) {
  if (!rect.outline) {
    painter.fillRect(QRectF(rect.at.x, rect.at.y, rect.width, rect.height), ColourOf(rect.fill));
    return;
  }
  // A cosmetic outline covers one pixel more than the rectangle it outlines.
  painter.setPen(QPen(ColourOf(*rect.outline), 0));
  painter.setBrush(ColourOf(rect.fill));
  painter.drawRect(QRectF(rect.at.x, rect.at.y, rect.width - 1.0, rect.height - 1.0));
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

MessageFace QtMessageFace() {
  const QFont font = QGuiApplication::font();
  const QFontMetrics metrics(font);
  return {static_cast<double>(QFontInfo(font).pixelSize()), static_cast<double>(metrics.height()),
          [metrics](const std::string& s) {
            return static_cast<double>(metrics.horizontalAdvance(QString::fromStdString(s)));
          }};
}

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, drawing.smooth);
  painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), ColourOf(drawing.background));
  for (const Shape& shape : drawing.shapes)
    std::visit([&painter](const auto& s) { Draw(painter, s); }, shape);
  painter.restore();
}

}  // namespace veltrisko
