// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_legend.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(ShowPatternFileInInfoLegend, OneLineBelowTheDisplayModeOnlyWhileAFileIsLoaded) {
  const InfoLegendContent plain = InfoLegendOf(SceneState(), "030EA10", "000ND00");
  InfoLegendContent none = plain;
  ShowPatternFileInInfoLegend(none, "");
  EXPECT_EQ(none.lines.size(), plain.lines.size());

  InfoLegendContent loaded = plain;
  ShowPatternFileInInfoLegend(loaded, "pair.msi");
  ASSERT_EQ(loaded.lines.size(), plain.lines.size() + 1);
  const TextLine& line = loaded.lines.back();
  EXPECT_EQ(line.x, 13);
  EXPECT_EQ(line.y, 174);
  EXPECT_EQ(line.text, "Datei: pair.msi");
  // Below every other line and inside the grown legend.
  for (const TextLine& other : plain.lines) EXPECT_LT(other.y, line.y);
  EXPECT_LE(line.y + 20, kInfoLegendHeightWithFile);
}

TEST(ElideToWidth, ShortensInTheMiddleKeepingTheEnd) {
  // Every character 6 pixels wide, "…" too.
  const auto width = [](const std::string& s) {
    int characters = 0;
    for (const char c : s) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return 6 * characters;
  };
  EXPECT_EQ(ElideToWidth("Datei: pair.msi", 200, width), "Datei: pair.msi");
  EXPECT_EQ(ElideToWidth("Datei: a-very-long-measurement-name.msi", 120, width),
            "Datei: a-ve…name.msi");
  EXPECT_EQ(ElideToWidth("Datei: Süd-Süd-Süd-Süd-Messung.msi", 96, width), "Datei: …sung.msi");
  EXPECT_EQ(ElideToWidth("anything", 0, width), "anything");
  // The legend's file line is shortened clear of its right border.
  InfoLegendContent content;
  ShowPatternFileInInfoLegend(content, "x.msi");
  EXPECT_EQ(content.lines.back().maxWidth, kInfoLegendWidth - 19);
}

}  // namespace
}  // namespace veltrisko
