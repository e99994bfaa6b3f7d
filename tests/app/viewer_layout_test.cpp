// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/logic/dialog_placement.h"
#include "app/logic/documentation_target.h"
#include "app/logic/legend_scale.h"

namespace veltrisko {
namespace {

TEST(PlaceDialog, SitsOverTheOwnersLowerRightInsideTheScreen) {
  const LegendRect screen{0, 0, 1600, 1200};
  struct Case {
    LegendRect owner;
    LegendRect want;
  };
  const Case cases[] = {
      {{0, 0, 1200, 900}, {1200 - 24 - 500, 900 - 24 - 400, 500, 400}},
      {{1300, 1000, 600, 500}, {1100, 800, 500, 400}},  // owner partly off screen
      {{-300, -200, 500, 450}, {0, 0, 500, 400}},       // dialog larger than what is left
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceDialog(c.owner, 500, 400, screen), c.want);
}

TEST(PlaceReadoutBox, BesideTheCursorInsideTheViewAndClearOfTheDialog) {
  const LegendRect none{0, 0, 0, 0};
  const LegendRect lowerRight{500, 400, 300, 200};  // the dialog over the view's corner
  struct Case {
    int x, y;
    LegendRect dialog;
    LegendRect want;
  };
  const Case cases[] = {
      {100, 100, none, {116, 116, 150, 100}},
      {790, 590, none, {648, 498, 150, 100}},        // kept inside the view
      {400, 350, lowerRight, {234, 366, 150, 100}},  // below left: right would cover it
      {600, 300, lowerRight, {616, 184, 150, 100}},  // above right
      {5, 5, {0, 0, 800, 600}, {21, 21, 150, 100}},  // no side is clear
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceReadoutBox(c.x, c.y, 150, 100, 800, 600, c.dialog), c.want) << c.x << "," << c.y;
  }
  // Larger than the view: its top left corner.
  EXPECT_EQ(PlaceReadoutBox(10, 10, 900, 700, 800, 600, none), (LegendRect{0, 0, 900, 700}));
}

TEST(DocumentationTarget, WebPageWithAHostElseTheInstalledGuideInTheLanguageInForce) {
  struct Case {
    const char* host;
    const char* language;
    bool isWebPage;
    const char* location;
  };
  const Case cases[] = {
      {"docs.example.org", "de", true, "https://docs.example.org/hcm/de/"},
      {"docs.example.org", "en", true, "https://docs.example.org/hcm/"},
      {"", "de", false, "/opt/v/share/doc/veltrisko/user-guide.de.html"},
      {"", "en", false, "/opt/v/share/doc/veltrisko/user-guide.html"},
      {"", "fr", false, "/opt/v/share/doc/veltrisko/user-guide.html"},  // no guide of its own
  };
  for (const Case& c : cases) {
    const DocumentationTarget target = DocumentationTargetOf(c.host, "/opt/v/bin", c.language);
    EXPECT_EQ(target.isWebPage, c.isWebPage) << c.host << " " << c.language;
    EXPECT_EQ(target.location, c.location) << c.host << " " << c.language;
  }
  // The user interface speaks German unless told otherwise.
  EXPECT_EQ(DocumentationTargetOf("", "/opt/v/bin").location,
            "/opt/v/share/doc/veltrisko/user-guide.de.html");
  const DocumentationTarget guide = DocumentationTargetOf("", "/opt/v/bin", "en");
  for (const char* language : {"de", "en"}) {
    for (const bool exists : {false, true}) {
      const std::string text = DocumentationUnavailableText(guide, exists, language);
      EXPECT_NE(text.find(guide.location), std::string::npos) << text;
      // Only the German message has the German guide's words.
      EXPECT_EQ(text.find("Benutzeranleitung") != std::string::npos, language == std::string("de"))
          << text;
    }
  }
}

TEST(LegendScale, KeepsTheLayoutAtTheDefaultFontAndGrowsWithIt) {
  EXPECT_EQ(LegendScale(9.0), 1.0);
  EXPECT_EQ(LegendScale(7.0), 1.0);
  EXPECT_EQ(LegendScale(10.0), 1.0);  // a point more keeps the 96-dpi layout
  EXPECT_EQ(LegendScale(12.0), 1.25);
  EXPECT_EQ(LegendScale(18.0), 2.0);
  EXPECT_EQ(LegendScale(100.0), 4.0);
  EXPECT_EQ(PlaceScaledLegends(1000, 700, 1.0).info, PlaceLegends(1000, 700).info);
  const LegendPlacement doubled = PlaceScaledLegends(1000, 700, 2.0);
  EXPECT_EQ(doubled.info, (LegendRect{560, 0, 440, 368}));
  EXPECT_EQ(doubled.colour, (LegendRect{100, 652, 800, 48}));
}

}  // namespace
}  // namespace veltrisko
