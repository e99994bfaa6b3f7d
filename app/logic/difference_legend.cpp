// SPDX-License-Identifier: MIT
#include "app/logic/difference_legend.h"

#include <algorithm>

#include "analysis/direction_readout.h"
#include "scene/scene_state.h"
#include "text/legend_texts.h"

namespace veltrisko {

namespace {

// The legends' specified lines write angles with a decimal point in either
// language; a number added beside them follows, so that one legend has one
// decimal separator.
std::string LegendNumber(float value) { return DecimalNumber(value, 2, Language::kEnglish); }

}  // namespace

std::string DifferenceLabel(float largestDb, Language language) {
  return InString(language, texts::kDifferenceMax) + " " + LegendNumber(largestDb) + " dB";
}

ColourLegendContent DifferenceColourLegendOf(float scaleEndDb, Language) {
  // The same bands as the display scale; only the labels differ.
  ColourLegendContent content = ColourLegendOf(SceneState());
  content.leftLabel = "0 dB";
  content.rightLabel = LegendNumber(scaleEndDb) + " dB";
  return content;
}

void ShowDifferenceInInfoLegend(InfoLegendContent& content, float largestDb, Language language) {
  // The surface's entry now tells what its colours mean, in its place.
  std::erase_if(content.keys,
                [](const KeyEntry& key) { return key.role == LabelRole::kSurfaceKey; });
  content.keys.push_back({kKeyX, kSurfaceKeyY, FalseColourOf(1.0f),
                          DifferenceLabel(largestDb, language), LabelRole::kSurfaceKey});
}

bool DifferenceLegendsDiffer(const std::optional<DifferenceFindings>& before,
                             const std::optional<DifferenceFindings>& after) {
  if (before.has_value() != after.has_value()) return true;
  return before &&
         (before->largestDb != after->largestDb || before->scaleEndDb != after->scaleEndDb);
}

}  // namespace veltrisko
