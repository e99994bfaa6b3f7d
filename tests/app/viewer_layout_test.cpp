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

// The screens from 1024 x 768 up, with the dialogs of both viewers (the
// Windows one 686 x 430, the Linux one about 560 x 480): the picture, the
// legends (220 x 184 top right, the strip 400 x 24 bottom centre) and the
// dialog never overlap.
TEST(PlaceStartWindows, KeepsPictureLegendsAndStripInSightAtEveryScreenSize) {
  struct Case {
    LegendRect work;
    int dialogWidth, dialogHeight;
    StartPlacement want;
  };
  const Case cases[] = {
      // Side by side.
      {{0, 0, 1920, 1080}, 686, 430, {{0, 0, 1234, 1080}, {1234, 0, 686, 430}}},
      {{0, 0, 1600, 1200}, 560, 480, {{0, 0, 1040, 1200}, {1040, 0, 560, 480}}},
      {{0, 0, 1366, 768}, 686, 430, {{0, 0, 680, 768}, {680, 0, 686, 430}}},
      {{0, 0, 1024, 768}, 480, 520, {{0, 0, 544, 768}, {544, 0, 480, 520}}},
      {{100, 30, 1366, 738}, 560, 480, {{100, 30, 806, 738}, {906, 30, 560, 480}}},
      // One above the other.
      {{0, 0, 1024, 768}, 686, 430, {{0, 0, 1024, 338}, {338, 338, 686, 430}}},
      {{0, 28, 1024, 740}, 560, 400, {{0, 28, 1024, 340}, {464, 368, 560, 400}}},
      // Too small for either: the main window takes the screen.
      {{0, 0, 800, 600}, 686, 430, {{0, 0, 800, 600}, {90, 146, 686, 430}}},
  };
  for (const Case& c : cases) {
    const StartPlacement got = PlaceStartWindows(c.work, c.dialogWidth, c.dialogHeight, 16, 70);
    EXPECT_EQ(got.main, c.want.main) << c.work.width << "x" << c.work.height;
    EXPECT_EQ(got.dialog, c.want.dialog) << c.work.width << "x" << c.work.height;
  }
}

TEST(PlaceDialogBeside, RightLeftBelowAboveElseOverTheOwner) {
  const LegendRect screen{0, 0, 1600, 1200};
  struct Case {
    LegendRect owner;
    LegendRect want;
  };
  const Case cases[] = {
      {{0, 0, 1100, 900}, {1100, 0, 500, 400}},       // right
      {{0, 900, 1100, 900}, {1100, 800, 500, 400}},   // right, kept on the screen
      {{600, 100, 1000, 900}, {100, 100, 500, 400}},  // left
      {{0, 0, 1600, 800}, {1100, 800, 500, 400}},     // below
      {{0, 500, 1600, 700}, {1100, 100, 500, 400}},   // above
      {{0, 0, 1600, 1200}, {1076, 776, 500, 400}},    // no room: over its lower right
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceDialogBeside(c.owner, 500, 400, screen), c.want);
  // At start-up the dialog beside the main window is where the start put it.
  for (const LegendRect work : {LegendRect{0, 0, 1920, 1080}, LegendRect{0, 0, 1024, 768}}) {
    const StartPlacement start = PlaceStartWindows(work, 686, 430, 16, 70);
    EXPECT_EQ(PlaceDialogBeside(start.main, 686, 430, work), start.dialog) << work.width;
  }
}

TEST(VisiblePart, TheWidestStripTheCoverLeaves) {
  const LegendRect area{0, 0, 1000, 700};
  struct Case {
    LegendRect cover;
    LegendRect want;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, area},                        // nothing covers it
      {{1000, 0, 300, 300}, area},                 // beside it
      {{600, 0, 400, 700}, {0, 0, 600, 700}},      // the dialog over the right part
      {{700, 400, 686, 430}, {0, 0, 700, 700}},    // over the lower right corner
      {{0, 500, 1000, 400}, {0, 0, 1000, 500}},    // over the bottom
      {{-50, -50, 300, 900}, {250, 0, 750, 700}},  // over the left part
      {{-10, -10, 2000, 2000}, {0, 0, 0, 0}},      // over everything
  };
  for (const Case& c : cases) EXPECT_EQ(VisiblePart(area, c.cover), c.want) << c.cover.x;
}

TEST(PictureCover, TheDialogWhereTheMainWindowTakesTheScreen) {
  const LegendRect work{0, 0, 1024, 768}, dialog{338, 338, 686, 430}, none{0, 0, 0, 0};
  EXPECT_EQ(PictureCover(true, {0, 0, 1024, 768}, work, dialog), dialog);
  EXPECT_EQ(PictureCover(false, {-4, -4, 1032, 776}, work, dialog), dialog);
  EXPECT_EQ(PictureCover(false, {0, 0, 1024, 338}, work, dialog), none);
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

TEST(DocumentationBesideProgram, TheGuideInTheProgramsFolderUnlessAHostIsNamed) {
  EXPECT_EQ(DocumentationBesideProgram("", "C:\\Programme\\Müller\\veltrisko.exe", "de").location,
            "C:\\Programme\\Müller\\user-guide.de.html");
  EXPECT_EQ(DocumentationBesideProgram("", "/opt/v/veltrisko.exe", "en").location,
            "/opt/v/user-guide.html");
  EXPECT_TRUE(DocumentationBesideProgram("docs.example.org", "C:\\v.exe", "en").isWebPage);
}

// Opened where it can be; else the message that says why, and a file that
// is missing is not handed to the system to open.
TEST(OpenDocumentationTarget, OpensAPageOrAFileThatExistsElseSaysWhy) {
  const DocumentationTarget page{true, "https://docs.example.org/hcm/"};
  const DocumentationTarget guide{false, "/opt/v/user-guide.html"};
  const struct {
    DocumentationTarget target;
    bool fileExists, opens;
    const char* says;  // empty: opened
    bool openTried;
  } cases[] = {
      {page, false, true, "", true},
      {page, false, false, "could not be opened", true},
      {guide, true, true, "", true},
      {guide, true, false, "No web browser", true},
      {guide, false, true, "was not found", false},
  };
  for (const auto& c : cases) {
    bool tried = false;
    const std::string said = OpenDocumentationTarget(
        c.target, [&](const std::string&) { return c.fileExists; },
        [&](const DocumentationTarget&) {
          tried = true;
          return c.opens;
        },
        "en");
    EXPECT_EQ(said.empty(), *c.says == '\0') << said;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
    EXPECT_EQ(tried, c.openTried) << c.target.location;
  }
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

TEST(AboutText, VersionLicenceAndGuideInTheLanguageInForce) {
  const std::string german = AboutText("1.2.3", "/opt/v/share/doc/veltrisko/user-guide.de.html");
  const std::string english = AboutText("1.2.3", "https://docs.example.org/hcm/", "en");
  for (const std::string& text : {german, english}) {
    EXPECT_EQ(text.rfind("Veltrisko 1.2.3\n", 0), 0u) << text;
    EXPECT_NE(text.find("MIT"), std::string::npos) << text;
  }
  EXPECT_NE(german.find("Benutzeranleitung: /opt/v/share/doc/veltrisko/user-guide.de.html"),
            std::string::npos);
  EXPECT_NE(english.find("User guide: https://docs.example.org/hcm/"), std::string::npos);
  EXPECT_EQ(AboutTitle(), "Über Veltrisko");
  EXPECT_EQ(AboutTitle("en"), "About Veltrisko");
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
