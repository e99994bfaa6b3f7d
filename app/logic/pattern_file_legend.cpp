// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_legend.h"

namespace veltrisko {

void ShowPatternFileInInfoLegend(InfoLegendContent& content, const std::string& fileName) {
  if (fileName.empty()) return;
  // Text lines start 12 pixels right of their x, as the legend's other lines.
  content.lines.push_back({1 + 12, kPatternFileLineY, "Datei: " + fileName});
}

}  // namespace veltrisko
