// SPDX-License-Identifier: MIT
#include "app/logic/legend_content.h"

#include <gtest/gtest.h>

#include <string>

#include "app/logic/difference_legend.h"

namespace veltrisko {
namespace {

std::string TextAt(const InfoLegendContent& content, int x, int y) {
  for (const TextLine& line : content.lines) {
    if (line.x == x && line.y == y) return line.text;
  }
  return "<none at " + std::to_string(x) + "," + std::to_string(y) + ">";
}

TEST(PlaceLegends, InfoTopRightAndColourCentredAtTheBottom) {
  struct Case {
    int width, height;
    LegendRect info, colour;
  };
  const Case cases[] = {
      {800, 600, {580, 0, 220, 184}, {200, 576, 400, 24}},
      {801, 600, {581, 0, 220, 184}, {200, 576, 400, 24}},
      {400, 300, {180, 0, 220, 184}, {0, 276, 400, 24}},
      // Narrower than the strip: the left edge goes negative, halved toward zero.
      {399, 300, {179, 0, 220, 184}, {0, 276, 400, 24}},
      {397, 300, {177, 0, 220, 184}, {-1, 276, 400, 24}},
      {100, 50, {-120, 0, 220, 184}, {-150, 26, 400, 24}},
      {0, 0, {-220, 0, 220, 184}, {-200, -24, 400, 24}},
  };
  for (const Case& c : cases) {
    const LegendPlacement place = PlaceLegends(c.width, c.height);
    EXPECT_EQ(place.info, c.info) << c.width << "x" << c.height;
    EXPECT_EQ(place.colour, c.colour) << c.width << "x" << c.height;
  }
}

TEST(InfoLegendOf, KeyEntriesFollowTheShowFlags) {
  struct Case {
    bool horizontal, vertical, cut, surface, grid;
    std::vector<std::string> labels;
    Colour fourthColour;
  };
  const Case cases[] = {
      {true,
       true,
       true,
       true,
       true,
       {"horizontale Richtcharakteristik", "vertikale Richtcharakteristik", "RC parallel zum Boden",
        "3D-Richtcharakteristik"},
       0xDC91A0},
      {false, false, false, true, false, {"3D-Richtcharakteristik"}, 0xDC91A0},
      {false, false, false, false, true, {"3D-Richtcharakteristik (Gitter)"}, 0xC8FFFF},
      {true,
       false,
       true,
       false,
       false,
       {"horizontale Richtcharakteristik", "RC parallel zum Boden"},
       0},
  };
  for (const Case& c : cases) {
    SceneState scene;
    scene.showHorizontalDiagram = c.horizontal;
    scene.showVerticalDiagram = c.vertical;
    scene.showHorizontalCut = c.cut;
    scene.showSurface = c.surface;
    scene.showGrid = c.grid;
    const InfoLegendContent content = InfoLegendOf(scene, "", "");
    ASSERT_EQ(content.keys.size(), c.labels.size());
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
      EXPECT_EQ(content.keys[i].label, c.labels[i]);
      EXPECT_EQ(content.keys[i].x, 10);
    }
    if (c.surface || c.grid) {
      EXPECT_EQ(content.keys.back().y, 70);
      EXPECT_EQ(content.keys.back().colour, c.fourthColour);
    }
  }
  // Fixed rows and colours of the three diagram keys.
  const InfoLegendContent all = InfoLegendOf(SceneState(), "", "");
  EXPECT_EQ(all.keys[0].y, 10);
  EXPECT_EQ(all.keys[0].colour, 0x0000FFu);
  EXPECT_EQ(all.keys[1].y, 30);
  EXPECT_EQ(all.keys[1].colour, 0x00FF00u);
  EXPECT_EQ(all.keys[2].y, 50);
  EXPECT_EQ(all.keys[2].colour, 0xFF0000u);
}

TEST(InfoLegendOf, TextLinesShowAnglesCodesVersionAndLinearMode) {
  SceneState scene;
  scene.ChangeAzimuth(-kViewStepRadians);  // one step left
  scene.ChangeElevation(kViewStepRadians);
  scene.TiltModel(AxisAngles{}, -kViewStepRadians);
  scene.useHcmV7 = false;
  const InfoLegendContent content = InfoLegendOf(scene, "045EA12", "130VA20");
  EXPECT_EQ(content.lines.size(), 8u);
  EXPECT_EQ(TextAt(content, 13, 94), "Azimut: -1.1 °");
  EXPECT_EQ(TextAt(content, 13, 114), "Elevation: 1.1 °");
  EXPECT_EQ(TextAt(content, 122, 94), "hor.:  045EA12");
  EXPECT_EQ(TextAt(content, 122, 114), "vert.: 130VA20");
  EXPECT_EQ(TextAt(content, 13, 134), "Kippung: -1.1 °");
  EXPECT_EQ(TextAt(content, 122, 134), "HCM V6");
  EXPECT_EQ(TextAt(content, 13, 154), "linear");
  EXPECT_EQ(TextAt(content, 122, 154), "0 .. 1 W");
}

TEST(InfoLegendOf, MissingCodesPrintEmpty) {
  const InfoLegendContent content = InfoLegendOf(SceneState(), "", nullptr);
  EXPECT_EQ(TextAt(content, 122, 94), "hor.:  ");
  EXPECT_EQ(TextAt(content, 122, 114), "vert.: ");
  EXPECT_EQ(TextAt(content, 122, 134), "HCM V7");
}

TEST(LegendsOf, LogarithmicModeShowsTheTruncatedDbRange) {
  struct Case {
    float dbRange;
    const char* infoText;
    const char* leftLabel;
  };
  const Case cases[] = {
      {40.0f, "-40 .. 0 dB", "-40 dB"},
      {12.7f, "-12 .. 0 dB", "-12 dB"},
      {1.0f, "-1 .. 0 dB", "-1 dB"},
  };
  for (const Case& c : cases) {
    SceneState scene;
    scene.logScale = true;
    scene.dbRange = c.dbRange;
    const InfoLegendContent info = InfoLegendOf(scene, "", "");
    EXPECT_EQ(TextAt(info, 13, 154), "logarithmisch");
    EXPECT_EQ(TextAt(info, 122, 154), c.infoText);
    const ColourLegendContent colours = ColourLegendOf(scene);
    EXPECT_EQ(colours.leftLabel, c.leftLabel);
    EXPECT_EQ(colours.rightLabel, "0 dB");
  }
  const ColourLegendContent linear = ColourLegendOf(SceneState());
  EXPECT_EQ(linear.leftLabel, "0 W");
  EXPECT_EQ(linear.rightLabel, "1 W");
}

TEST(ColourLegendOf, FiftyOneBandsCoverTheStripFromLowestToHighestValue) {
  const ColourLegendContent content = ColourLegendOf(SceneState());
  ASSERT_EQ(content.bands.size(), 51u);
  EXPECT_EQ(content.bands.front().left, 0);
  EXPECT_EQ(content.bands.front().right, 4);
  EXPECT_EQ(content.bands.front().colour, FalseColourOf(0.0f));
  for (std::size_t k = 1; k < content.bands.size(); ++k) {
    EXPECT_EQ(content.bands[k].left, content.bands[k - 1].right);
    EXPECT_EQ(content.bands[k].right - content.bands[k].left, 8);
    EXPECT_EQ(content.bands[k].colour, FalseColourOf(static_cast<float>(2 * k) * 0.01f));
  }
  // The last band, value 1, reaches beyond the 400-pixel strip.
  EXPECT_EQ(content.bands.back().left, 396);
  EXPECT_EQ(content.bands.back().right, 404);
  EXPECT_EQ(content.bands.back().colour, FalseColourOf(1.0f));
}

TEST(DifferenceLegend, WritesTheDecimalPointOfTheLegendsSpecifiedLines) {
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    EXPECT_NE(DifferenceLabel(4.164f, language).find(" 4.16 dB"), std::string::npos);
    EXPECT_EQ(DifferenceColourLegendOf(12.5f, language).rightLabel, "12.50 dB");
  }
}

TEST(DifferenceLegendsDiffer, WhenTheLargestDifferenceOrTheScaleEndChangesNotItsPlace) {
  const DifferenceFindings found{4.5f, 4.5f, {10.0, 5.0}};
  DifferenceFindings elsewhere = found, larger = found, lowScale = {0.5f, 1.0f, {10.0, 5.0}};
  elsewhere.largestWorld = {200.0, -30.0};
  larger.largestDb = 4.75f;
  larger.scaleEndDb = 4.75f;
  DifferenceFindings otherScale = lowScale;
  otherScale.scaleEndDb = 2.0f;
  const struct {
    std::optional<DifferenceFindings> before, after;
    bool differ;
  } cases[] = {
      {std::nullopt, std::nullopt, false}, {std::nullopt, found, true},
      {found, std::nullopt, true},         {found, found, false},
      {found, elsewhere, false},           {found, larger, true},
      {lowScale, otherScale, true},
  };
  for (const auto& c : cases) EXPECT_EQ(DifferenceLegendsDiffer(c.before, c.after), c.differ);
}

}  // namespace
}  // namespace veltrisko
