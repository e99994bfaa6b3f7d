// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "text/language.h"

namespace veltrisko {

// Which slider of a panel a value text describes, in the panel's order.
enum class PanelSlider { kType, kP1, kP2, kP3, kP4 };

// The short text shown beside a panel slider: what its position means for
// the catalogue type `typeIndex`, in the unit of that type ("30°", "10 %",
// "Stufe 3 (30°)", "8,9°"; in English "step 3 (30°)", "8.9°"). Empty for a
// slider the type hides.
std::string SliderValueText(int typeIndex, PanelSlider slider, int position,
                            Language language = kDefaultLanguage);

// The texts a value label beside `slider` must have room for, so that its
// dialog keeps its layout: the widest ones of every type in both languages.
std::vector<std::string> SliderValueTextsToFit(PanelSlider slider);

// The text beside the dB-range slider, e.g. "−40 dB".
std::string DbRangeValueText(int position);

}  // namespace veltrisko
