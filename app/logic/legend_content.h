// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "diagram/drawing.h"
#include "render/false_colour.h"
#include "scene/scene_state.h"
#include "text/language.h"

namespace veltrisko {

// What the two legend windows show and where they sit, computed without
// painting so that the widgets only draw it.

inline constexpr int kInfoLegendWidth = 220;
inline constexpr int kInfoLegendHeight = 184;
inline constexpr int kColourLegendWidth = 400;
inline constexpr int kColourLegendHeight = 24;

struct LegendRect {
  int x, y, width, height;
  bool operator==(const LegendRect&) const = default;
};

struct LegendPlacement {
  LegendRect info;
  LegendRect colour;
};

// Places both legends in a client area of the given size: the information
// legend in the top right corner, the colour legend centred at the bottom
// (its left edge negative when the client is narrower than the strip).
LegendPlacement PlaceLegends(int clientWidth, int clientHeight);

// A colour swatch with its label; the swatch fills (x+1, y+5)..(x+8, y+12)
// with the right and bottom edges excluded, the label starts at x+12.
struct KeyEntry {
  int x, y;
  Colour colour;
  std::string label;
  LabelRole role = LabelRole::kKey;  // kSurfaceKey: what the surface's colours mean
};
inline constexpr int kKeyLabelOffset = 12;
inline constexpr int kKeyX = 10;
inline constexpr int kSurfaceKeyY = 70;  // the surface's or the grid's entry

// One line of text whose left edge is at x and top at y.
struct TextLine {
  int x, y;
  std::string text;
  // Wider than this (in the legend's pixels, measured in its font) the line
  // is shortened in the middle (ElideToWidth); 0: never shortened.
  int maxWidth = 0;
  LabelRole role = LabelRole::kLegendLine;
};

inline constexpr Colour kLegendBackground = 0xC8FFFF;  // (255, 255, 200)
inline constexpr Colour kKeyOutline = 0x404040;        // (64, 64, 64)

struct InfoLegendContent {
  std::vector<KeyEntry> keys;
  std::vector<TextLine> lines;
  // Indices into `lines` that name a code the model rejects; drawn marked.
  std::vector<std::size_t> markedLines;
  int height = kInfoLegendHeight;  // of the whole legend, its border included
};

InfoLegendContent InfoLegendOf(const SceneState& scene, const char* horizontalCode,
                               const char* verticalCode, Language language = kDefaultLanguage);

// One band of the colour strip: pixels left..right-1 over the full height.
struct ColourBand {
  int left, right;
  Colour colour;
};

inline constexpr Colour kColourLabelColour = 0xFAFAFA;  // (250, 250, 250)
inline constexpr int kColourLabelWeight = 600;
inline constexpr int kColourLeftLabelX = 2;
inline constexpr int kColourRightLabelEnd = 396;

struct ColourLegendContent {
  std::vector<ColourBand> bands;
  std::string leftLabel;
  std::string rightLabel;
};

ColourLegendContent ColourLegendOf(const SceneState& scene);

}  // namespace veltrisko
