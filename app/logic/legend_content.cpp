// SPDX-License-Identifier: MIT
#include "app/logic/legend_content.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "dialog/config_dialog.h"
#include "text/legend_texts.h"

namespace veltrisko {

namespace {

constexpr int kColourBandCount = 51;

// Texts are formatted into a 1024-byte buffer, as the legends always did.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

constexpr Colour RgbColour(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

// The catalogue's texts are literals, so their views end in a zero.
const char* Z(Language language, const Text& text) { return In(language, text).data(); }

}  // namespace

LegendPlacement PlaceLegends(int clientWidth, int clientHeight) {
  // C++ integer division truncates toward zero, as the placement requires.
  return LegendPlacement{
      LegendRect{clientWidth - kInfoLegendWidth, 0, kInfoLegendWidth, kInfoLegendHeight},
      LegendRect{(clientWidth - kColourLegendWidth) / 2, clientHeight - kColourLegendHeight,
                 kColourLegendWidth, kColourLegendHeight}};
}

InfoLegendContent InfoLegendOf(const SceneState& scene, const char* horizontalCode,
                               const char* verticalCode, Language language) {
  InfoLegendContent content;
  if (scene.showHorizontalDiagram)
    content.keys.push_back(
        {10, 10, RgbColour(255, 0, 0), InString(language, texts::kKeyHorizontalDiagram)});
  if (scene.showVerticalDiagram)
    content.keys.push_back(
        {10, 30, RgbColour(0, 255, 0), InString(language, texts::kKeyVerticalDiagram)});
  if (scene.showHorizontalCut)
    content.keys.push_back(
        {10, 50, RgbColour(0, 0, 255), InString(language, texts::kKeyHorizontalCut)});
  if (scene.showSurface)
    content.keys.push_back({kKeyX, kSurfaceKeyY, RgbColour(160, 145, 220),
                            InString(language, texts::kKeySurface), LabelRole::kSurfaceKey});
  else if (scene.showGrid)
    content.keys.push_back({kKeyX, kSurfaceKeyY, kLegendBackground,
                            InString(language, texts::kKeyGrid), LabelRole::kSurfaceKey});

  auto line = [&](int x, int y, std::string text, LabelRole role = LabelRole::kLegendLine) {
    content.lines.push_back({x + kKeyLabelOffset, y, std::move(text), 0, role});
  };
  line(1, 94,
       Format("%s %.1f °", Z(language, texts::kAzimuth), static_cast<double>(scene.azimuth)));
  line(1, 114,
       Format("%s %.1f °", Z(language, texts::kElevation), static_cast<double>(scene.elevation)));
  line(110, 94, Format("%s  %s", Z(language, texts::kHorizontalShort), OrEmpty(horizontalCode)),
       LabelRole::kHorizontalCode);
  line(110, 114, Format("%s %s", Z(language, texts::kVerticalShort), OrEmpty(verticalCode)),
       LabelRole::kVerticalCode);
  line(1, 134, Format("%s %.1f °", Z(language, texts::kTilt), static_cast<double>(scene.tilt)));
  line(110, 134, Format("HCM V%d", scene.useHcmV7 ? 7 : 6));
  if (scene.logScale) {
    line(1, 154, InString(language, texts::kLegendLogarithmic));
    line(110, 154, Format("%d .. 0 dB", -TruncateToInt(scene.dbRange)));
  } else {
    line(1, 154, InString(language, texts::kLegendLinear));
    line(110, 154, "0 .. 1 W");
  }
  return content;
}

ColourLegendContent ColourLegendOf(const SceneState& scene) {
  ColourLegendContent content;
  int left = 0;
  for (int k = 0; k < kColourBandCount; ++k) {
    const float value = static_cast<float>(2 * k) * 0.01f;
    const int right = 8 * k + 4;
    content.bands.push_back({left, right, FalseColourOf(value)});
    left = right;
  }
  if (scene.logScale) {
    content.leftLabel = Format("%d dB", -TruncateToInt(scene.dbRange));
    content.rightLabel = "0 dB";
  } else {
    content.leftLabel = "0 W";
    content.rightLabel = "1 W";
  }
  return content;
}

}  // namespace veltrisko
