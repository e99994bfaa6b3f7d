// SPDX-License-Identifier: MIT
#include "app/logic/flow_rows.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(FlowRows, ARowEndsWhereTheNextControlWouldPassTheWidth) {
  struct Case {
    const char* what;
    std::vector<FlowSize> sizes;
    int width;
    FlowSpacing spacing;
    std::vector<LegendRect> places;
    int height;
  };
  const Case cases[] = {
      {"one row, the lower one centred",
       {{40, 20}, {30, 10}},
       100,
       {5, 3},
       {{0, 0, 40, 20}, {45, 5, 30, 10}},
       20},
      {"the third starts the second row",
       {{40, 20}, {40, 20}, {40, 10}},
       90,
       {5, 3},
       {{0, 0, 40, 20}, {45, 0, 40, 20}, {0, 23, 40, 10}},
       33},
      {"exactly to the edge stays in the row",
       {{45, 10}, {45, 10}},
       95,
       {5, 0},
       {{0, 0, 45, 10}, {50, 0, 45, 10}},
       10},
      {"one wider than the width keeps its own row",
       {{200, 10}, {20, 10}},
       100,
       {5, 2},
       {{0, 0, 200, 10}, {0, 12, 20, 10}},
       22},
      {"a least row height centres each",
       {{20, 16}, {20, 22}},
       100,
       {8, 4, 24},
       {{0, 4, 20, 16}, {28, 1, 20, 22}},
       24},
      {"nothing to place", {}, 100, {5, 5, 24}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FlowPlaces flow = FlowRows(c.sizes, c.width, c.spacing);
    EXPECT_EQ(flow.places, c.places);
    EXPECT_EQ(flow.height, c.height);
  }
}

}  // namespace
}  // namespace veltrisko
