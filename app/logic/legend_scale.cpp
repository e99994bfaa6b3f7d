// SPDX-License-Identifier: MIT
#include "app/logic/legend_scale.h"

#include <algorithm>
#include <cmath>

namespace veltrisko {

double LegendScale(double userFontPointSize) {
  if (!(userFontPointSize > kDefaultUiPointSize)) return 1.0;  // NaN too
  return std::min(4.0, std::floor(userFontPointSize / kDefaultUiPointSize * 4.0) / 4.0);
}

LegendPlacement PlaceScaledLegends(int clientWidth, int clientHeight, double scale) {
  const auto scaled = [scale](int size) { return static_cast<int>(std::lround(size * scale)); };
  const int infoWidth = scaled(kInfoLegendWidth);
  const int colourWidth = scaled(kColourLegendWidth);
  const int colourHeight = scaled(kColourLegendHeight);
  return LegendPlacement{
      LegendRect{clientWidth - infoWidth, 0, infoWidth, scaled(kInfoLegendHeight)},
      LegendRect{(clientWidth - colourWidth) / 2, clientHeight - colourHeight, colourWidth,
                 colourHeight}};
}

}  // namespace veltrisko
