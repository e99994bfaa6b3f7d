// SPDX-License-Identifier: MIT
#include "app/logic/window_place.h"

#include <gtest/gtest.h>

#include "app/logic/viewer_session.h"

namespace veltrisko {
namespace {

TEST(WindowPlace, AKeptLineNamesAPlaceOnlyWhenItIsWholeAndLargeEnough) {
  struct Case {
    const char* text;
    std::optional<WindowPlace> expected;
  };
  const Case cases[] = {
      {"10 20 810 620 normal", WindowPlace{{10, 20, 800, 600}, false}},
      {"-1600 0 -100 900 maximized", WindowPlace{{-1600, 0, 1500, 900}, true}},
      {"10 20 810 620", std::nullopt},
      {"10 20 810 620 minimized", std::nullopt},
      {"10 20 109 620 normal", std::nullopt},  // 99 pixels wide
      {"810 620 10 20 normal", std::nullopt},
      {"0 0 99999999999 600 normal", std::nullopt},
      {"-9000000000000000000 0 9000000000000000000 600 normal", std::nullopt},
      {"ten 20 810 620 normal", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(KeptWindowPlace({{"mainWindow", c.text}}), c.expected);
  }
  EXPECT_EQ(KeptWindowPlace({}), std::nullopt);
  const WindowPlace place{{-5, 7, 640, 480}, true};
  EXPECT_EQ(WindowPlaceToKeep(place), (KeptSettings{{"mainWindow", "-5 7 635 487 maximized"}}));
  EXPECT_EQ(KeptWindowPlace(WindowPlaceToKeep(place)), place);
}

TEST(WindowPlace, AFrameOffTheWorkAreaIsMovedAndIfNeedBeShrunkOntoIt) {
  struct Case {
    LegendRect frame, expected;
  };
  const LegendRect work{0, 30, 1600, 1170};
  const Case cases[] = {
      {{100, 100, 800, 600}, {100, 100, 800, 600}},
      {{1700, 100, 800, 600}, {800, 100, 800, 600}},  // on a screen since removed
      {{-900, -50, 800, 600}, {0, 30, 800, 600}},     // above and left of it
      {{-10, 0, 2000, 1300}, {0, 30, 1600, 1170}},    // larger than the screen
  };
  for (const Case& c : cases) EXPECT_EQ(OnWorkArea(c.frame, work), c.expected);
}

}  // namespace
}  // namespace veltrisko
