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

}  // namespace
}  // namespace veltrisko
