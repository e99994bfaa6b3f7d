// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_legend.h"

#include "text/legend_texts.h"

namespace veltrisko {

void ShowPatternFileInInfoLegend(InfoLegendContent& content, const std::string& fileName,
                                 Language language) {
  if (fileName.empty()) return;
  // Text lines start 12 pixels right of their x, as the legend's other lines.
  // A long name is shortened inside the legend, clear of its right border.
  content.lines.push_back({1 + kKeyLabelOffset, kPatternFileLineY,
                           InString(language, texts::kFile) + " " + fileName,
                           kInfoLegendWidth - (1 + kKeyLabelOffset) - 6, LabelRole::kFile});
  content.height = kInfoLegendHeightWithFile;
}

}  // namespace veltrisko
