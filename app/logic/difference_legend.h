// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "app/logic/legend_content.h"
#include "render/pattern_frame.h"

namespace veltrisko {

// The legends while the surface shows |V6 - V7|: the colour strip runs from
// 0 dB to the scale's end, and the surface's key entry of the information
// legend names the difference and its largest value.
ColourLegendContent DifferenceColourLegendOf(float scaleEndDb,
                                             Language language = kDefaultLanguage);
void ShowDifferenceInInfoLegend(InfoLegendContent& content, float largestDb,
                                Language language = kDefaultLanguage);

// Whether the legends after a frame that found `after` show anything other
// than after one that found `before` (the largest difference, the scale's
// end), so that they are drawn again; where the difference lies they do not
// show.
bool DifferenceLegendsDiffer(const std::optional<DifferenceFindings>& before,
                             const std::optional<DifferenceFindings>& after);

// "Unterschied V6/V7, max X,XX dB".
std::string DifferenceLabel(float largestDb, Language language = kDefaultLanguage);

}  // namespace veltrisko
