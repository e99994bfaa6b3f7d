// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "app/logic/legend_content.h"
#include "diagram/drawing.h"

namespace veltrisko {

// The two legends as drawings of their client area, the part inside the
// one-pixel black border that their window draws, in the legends' own
// 96-dpi pixels; the viewers paint them with their diagram painters.

// Both legends' texts, in the interface face; 11 pixels fit the fixed
// layout of 20-pixel lines.
inline constexpr double kLegendTextSize = 11.0;
// A code the model rejects is printed in red and underlined.
inline constexpr Rgb kMarkedTextColour{200, 0, 0};

Rgb RgbOf(Colour colour);

// How a front end's message face (Face::kMessage) measures, for the boxes
// over the picture: its size in pixels, the height of one line and the
// advance of a text.
struct MessageFace {
  double size = 12.0;
  double lineHeight = 15.0;
  std::function<double(const std::string&)> width;
};

// Each key entry a swatch outlined in grey and its label; each line a label
// with the line's role, a marked line with kRejectedCode.
Drawing InfoLegendDrawing(const InfoLegendContent& content);

// The bands over the full height, the two scale ends in semi-bold over them.
Drawing ColourLegendDrawing(const ColourLegendContent& content);

}  // namespace veltrisko
