// SPDX-License-Identifier: MIT
#include "app/logic/side_window_placement.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

bool Meet(const LegendRect& a, const LegendRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(SideWindowPlacement, OnTheScreenClearOfTheDialogAndTheMenuBar) {
  const struct {
    const char* name;
    SideWindowRequest request;
    LegendRect expected;  // width 0: any place with the properties below
  } cases[] = {
      {"room beside the main window",
       {{0, 0, 2560, 1440}, {0, 0, 1000, 800}, 60, {0, 820, 400, 500}, 1100, 680, 560, 480},
       {1000, 0, 1100, 680}},
      {"1024 x 768, main window maximised, the dialog on the right",
       {{0, 0, 1024, 740}, {0, 0, 1024, 740}, 50, {600, 0, 424, 740}, 1100, 680, 560, 480},
       {0, 50, 600, 680}},
      {"1366 x 768, the dialog right of the main window",
       {{0, 0, 1366, 740}, {0, 0, 900, 700}, 50, {900, 0, 466, 740}, 1100, 680, 560, 480},
       {0, 0, 0, 0}},
      {"1600 x 1200, the dialog over the main window's lower right",
       {{0, 0, 1600, 1170}, {0, 0, 1100, 900}, 55, {700, 420, 420, 800}, 1100, 680, 560, 480},
       {0, 0, 0, 0}},
      {"1024 x 768, the dialog at the bottom: between it and the menu bar",
       {{0, 0, 1024, 768}, {0, 0, 1024, 768}, 50, {224, 342, 800, 426}, 1100, 680, 480, 280},
       {0, 50, 1024, 292}},
      {"no dialog, main window maximised",
       {{0, 0, 1024, 740}, {0, 0, 1024, 740}, 50, {0, 0, 0, 0}, 1100, 680, 560, 480},
       {0, 50, 1024, 680}},
      {"a second screen left of the first",
       {{-1280, 0, 1280, 1000},
        {-1280, 0, 1280, 1000},
        50,
        {-400, 0, 400, 800},
        1100,
        680,
        560,
        480},
       {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const SideWindowRequest& r = c.request;
    const LegendRect place = PlaceSideWindow(r);
    if (c.expected.width > 0) {
      EXPECT_EQ(place, c.expected) << c.name;
    }
    EXPECT_GE(place.x, r.screen.x) << c.name;
    EXPECT_GE(place.y, r.screen.y) << c.name;
    EXPECT_LE(place.x + place.width, r.screen.x + r.screen.width) << c.name;
    EXPECT_LE(place.y + place.height, r.screen.y + r.screen.height) << c.name;
    EXPECT_GE(place.width, r.minWidth) << c.name;
    EXPECT_GE(place.height, r.minHeight) << c.name;
    EXPECT_FALSE(r.dialog.width > 0 && Meet(place, r.dialog)) << c.name;
    EXPECT_FALSE(Meet(place, {r.owner.x, r.owner.y, r.owner.width, r.ownerBarsHeight})) << c.name;
  }
}

}  // namespace
}  // namespace veltrisko
