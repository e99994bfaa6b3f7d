// SPDX-License-Identifier: MIT
#include "app/logic/legend_drawing.h"

#include <algorithm>

namespace veltrisko {

namespace {

// The legends' client area lies inside their border.
constexpr int kBorder = 1;

Label LegendLabel(const std::string& text, double x, double y, Rgb colour, LabelRole role) {
  Label label;
  label.text = text;
  label.at = {x, y};
  label.size = kLegendTextSize;
  label.colour = colour;
  label.role = role;
  label.face = Face::kInterface;
  label.line = LineAnchor::kTop;
  return label;
}

}  // namespace

Rgb RgbOf(Colour colour) { return {RedOf(colour), GreenOf(colour), BlueOf(colour)}; }

Drawing InfoLegendDrawing(const InfoLegendContent& content) {
  Drawing drawing;
  drawing.width = kInfoLegendWidth - 2 * kBorder;
  drawing.height = content.height - 2 * kBorder;
  drawing.background = RgbOf(kLegendBackground);
  drawing.smooth = false;
  for (const KeyEntry& key : content.keys) {
    // The swatch covers (x+1, y+5) up to (x+8, y+12), the right and bottom
    // edges excluded.
    const FilledRect swatch{
        {key.x + 1.0, key.y + 5.0}, 7.0, 7.0, RgbOf(key.colour), RgbOf(kKeyOutline)};
    drawing.shapes.emplace_back(std::in_place_type<FilledRect>, swatch);
    drawing.shapes.push_back(
        LegendLabel(key.label, key.x + kKeyLabelOffset, key.y, Rgb{0, 0, 0}, key.role));
  }
  for (std::size_t i = 0; i < content.lines.size(); ++i) {
    const TextLine& line = content.lines[i];
    const bool marked = std::find(content.markedLines.begin(), content.markedLines.end(), i) !=
                        content.markedLines.end();
    Label label = LegendLabel(line.text, line.x, line.y, marked ? kMarkedTextColour : Rgb{0, 0, 0},
                              marked ? LabelRole::kRejectedCode : line.role);
    label.underline = marked;
    label.maxWidth = line.maxWidth;
    drawing.shapes.push_back(std::move(label));
  }
  return drawing;
}

Drawing ColourLegendDrawing(const ColourLegendContent& content) {
  Drawing drawing;
  drawing.width = kColourLegendWidth - 2 * kBorder;
  drawing.height = kColourLegendHeight - 2 * kBorder;
  drawing.smooth = false;
  for (const ColourBand& band : content.bands) {
    const FilledRect area{{static_cast<double>(band.left), 0.0},
                          static_cast<double>(band.right - band.left),
                          drawing.height,
                          RgbOf(band.colour),
                          std::nullopt};
    drawing.shapes.emplace_back(std::in_place_type<FilledRect>, area);
  }
  for (const bool left : {true, false}) {
    Label label = LegendLabel(left ? content.leftLabel : content.rightLabel,
                              left ? kColourLeftLabelX : kColourRightLabelEnd, 0.0,
                              RgbOf(kColourLabelColour), LabelRole::kScaleEnd);
    label.anchor = left ? Anchor::kStart : Anchor::kEnd;
    label.weight = kColourLabelWeight;
    drawing.shapes.push_back(std::move(label));
  }
  return drawing;
}

}  // namespace veltrisko
