// SPDX-License-Identifier: MIT
#pragma once

#include "app/logic/legend_content.h"

namespace veltrisko {

// The legends keep their pixel layout at the default font size (96 dpi) and
// grow with the user's font size; Qt multiplies everything by the screen's
// device pixel ratio on top of this.
inline constexpr double kDefaultUiPointSize = 9.0;

// 1 up to a quarter above the default size, then in steps of a quarter
// (rounded down), at most 4.
double LegendScale(double userFontPointSize);

// PlaceLegends with both legends' sizes multiplied by `scale`.
LegendPlacement PlaceScaledLegends(int clientWidth, int clientHeight, double scale);

}  // namespace veltrisko
