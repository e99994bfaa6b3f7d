// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "app/logic/legend_content.h"

namespace veltrisko {

struct FlowSize {
  int width = 0;
  int height = 0;
};

struct FlowSpacing {
  int across = 0;          // between neighbours in a row
  int down = 0;            // between rows
  int leastRowHeight = 0;  // a row is at least this tall
};

struct FlowPlaces {
  std::vector<LegendRect> places;  // one per size, from (0, 0)
  int height = 0;                  // from the first row's top to the last row's bottom
};

// A row of controls laid out left to right; where the next one would pass
// `width` it starts a new row, so that the row never widens its window beyond
// its widest control. Each is centred in its row's height.
FlowPlaces FlowRows(const std::vector<FlowSize>& sizes, int width, const FlowSpacing& spacing);

}  // namespace veltrisko
