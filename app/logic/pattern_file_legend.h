// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/logic/legend_content.h"

namespace veltrisko {

// While a measured pattern file is loaded the information legend names it on
// one more line below the display mode, and grows by that line.
inline constexpr int kPatternFileLineY = 174;
inline constexpr int kInfoLegendHeightWithFile = kInfoLegendHeight + 20;

// Adds "Datei: <name>" at (1, 174); nothing for an empty name.
void ShowPatternFileInInfoLegend(InfoLegendContent& content, const std::string& fileName,
                                 Language language = kDefaultLanguage);

}  // namespace veltrisko
