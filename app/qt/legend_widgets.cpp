// SPDX-License-Identifier: MIT
#include "app/qt/legend_widgets.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "app/logic/legend_scale.h"
#include "app/qt/ui_font.h"

namespace veltrisko {

namespace {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

void MarkOpaque(QWidget* legend) { legend->setAttribute(Qt::WA_OpaquePaintEvent); }

// The thin border; the client area lies one pixel inside it.
void DrawBorder(QPainter& painter, const QRect& outer) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outer.adjusted(0, 0, -1, -1));
}

// Both legends ask for the face at its default height, so they share one
// size, chosen to fit the fixed layout of 20-pixel lines.
constexpr int kLegendPixelSize = 11;
// A code the model rejects is printed in red and underlined.
const QColor kMarkedText(200, 0, 0);

double UserLegendScale() { return LegendScale(QApplication::font().pointSizeF()); }

}  // namespace

InfoLegend::InfoLegend(QWidget* parent, std::function<InfoLegendContent()> content)
    : QWidget(parent), content_(std::move(content)) {
  MarkOpaque(this);
  resize(static_cast<int>(kInfoLegendWidth * Scale()),
         static_cast<int>(kInfoLegendHeight * Scale()));
}

double InfoLegend::Scale() const { return UserLegendScale(); }

void InfoLegend::paintEvent(QPaintEvent*) {
  const InfoLegendContent content = content_();
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(kLegendBackground));
  // Content coordinates start inside the border.
  painter.translate(1, 1);
  painter.scale(Scale(), Scale());
  QFont font = UiFont(8);
  font.setPixelSize(kLegendPixelSize);
  painter.setFont(font);
  const int ascent = painter.fontMetrics().ascent();
  for (const KeyEntry& key : content.keys) {
    painter.setPen(QPen(ToQColor(kKeyOutline), 0));
    painter.setBrush(ToQColor(key.colour));
    // An outlined QPainter rectangle covers one pixel more than its size, so
    // this fills (x+1, y+5) up to (x+8, y+12) exclusive.
    painter.drawRect(key.x + 1, key.y + 5, 6, 6);
    painter.setPen(Qt::black);
    painter.drawText(key.x + 12, key.y + ascent, QString::fromStdString(key.label));
  }
  for (std::size_t i = 0; i < content.lines.size(); ++i) {
    const TextLine& line = content.lines[i];
    const bool marked = std::find(content.markedLines.begin(), content.markedLines.end(), i) !=
                        content.markedLines.end();
    QFont lineFont = font;
    lineFont.setUnderline(marked);
    painter.setFont(lineFont);
    painter.setPen(marked ? kMarkedText : QColor(Qt::black));
    const QFontMetrics metrics = painter.fontMetrics();
    const std::string text = ElideToWidth(line.text, line.maxWidth, [&](const std::string& s) {
      return metrics.horizontalAdvance(QString::fromStdString(s));
    });
    painter.drawText(line.x, line.y + ascent, QString::fromStdString(text));
  }
  painter.resetTransform();
  DrawBorder(painter, rect());
}

ColourLegend::ColourLegend(QWidget* parent, std::function<ColourLegendContent()> content)
    : QWidget(parent), content_(std::move(content)) {
  MarkOpaque(this);
  resize(static_cast<int>(kColourLegendWidth * Scale()),
         static_cast<int>(kColourLegendHeight * Scale()));
}

double ColourLegend::Scale() const { return UserLegendScale(); }

void ColourLegend::paintEvent(QPaintEvent*) {
  const ColourLegendContent content = content_();
  QPainter painter(this);
  painter.translate(1, 1);
  painter.scale(Scale(), Scale());
  const int height = kColourLegendHeight - 2;
  for (const ColourBand& band : content.bands)
    painter.fillRect(band.left, 0, band.right - band.left, height, ToQColor(band.colour));
  QFont font = UiFont(8, kColourLabelWeight);
  font.setPixelSize(kLegendPixelSize);
  painter.setFont(font);
  painter.setPen(ToQColor(kColourLabelColour));
  const int ascent = painter.fontMetrics().ascent();
  painter.drawText(kColourLeftLabelX, ascent, QString::fromStdString(content.leftLabel));
  const QString right = QString::fromStdString(content.rightLabel);
  painter.drawText(kColourRightLabelEnd - painter.fontMetrics().horizontalAdvance(right), ascent,
                   right);
  painter.resetTransform();
  DrawBorder(painter, rect());
}

}  // namespace veltrisko
