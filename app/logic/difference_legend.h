// SPDX-License-Identifier: MIT
#pragma once

#include "app/logic/legend_content.h"

namespace veltrisko {

// The legends while the surface shows |V6 - V7|: the colour strip runs from
// 0 dB to the scale's end, and the surface's key entry of the information
// legend names the difference and its largest value.
ColourLegendContent DifferenceColourLegendOf(float scaleEndDb,
                                             Language language = kDefaultLanguage);
void ShowDifferenceInInfoLegend(InfoLegendContent& content, float largestDb,
                                Language language = kDefaultLanguage);

// "Unterschied V6/V7, max X,XX dB".
std::string DifferenceLabel(float largestDb, Language language = kDefaultLanguage);

}  // namespace veltrisko
