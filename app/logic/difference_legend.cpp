// SPDX-License-Identifier: MIT
#include "app/logic/difference_legend.h"

#include <algorithm>

#include "analysis/direction_readout.h"
#include "scene/scene_state.h"
#include "text/legend_texts.h"

namespace veltrisko {

std::string DifferenceLabel(float largestDb, Language language) {
  return InString(language, texts::kDifferenceMax) + " " + DecimalNumber(largestDb, 2, language) +
         " dB";
}

ColourLegendContent DifferenceColourLegendOf(float scaleEndDb, Language language) {
  // The same bands as the display scale; only the labels differ.
  ColourLegendContent content = ColourLegendOf(SceneState());
  content.leftLabel = "0 dB";
  content.rightLabel = DecimalNumber(scaleEndDb, 2, language) + " dB";
  return content;
}

void ShowDifferenceInInfoLegend(InfoLegendContent& content, float largestDb, Language language) {
  // The surface's entry sits at (10, 70); it now tells what its colours mean.
  constexpr int kSurfaceEntryY = 70;
  std::erase_if(content.keys, [](const KeyEntry& key) { return key.y == kSurfaceEntryY; });
  content.keys.push_back(
      {10, kSurfaceEntryY, FalseColourOf(1.0f), DifferenceLabel(largestDb, language)});
}

}  // namespace veltrisko
