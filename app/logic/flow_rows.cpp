// SPDX-License-Identifier: MIT
#include "app/logic/flow_rows.h"

#include <algorithm>

namespace veltrisko {

FlowPlaces FlowRows(const std::vector<FlowSize>& sizes, int width, const FlowSpacing& spacing) {
  FlowPlaces flow;
  flow.places.reserve(sizes.size());
  std::size_t rowStart = 0;
  int x = 0, y = 0, rowHeight = spacing.leastRowHeight;
  const auto endRow = [&](std::size_t end) {
    for (std::size_t i = rowStart; i < end; ++i)
      flow.places[i].y = y + (rowHeight - flow.places[i].height) / 2;
  };
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const FlowSize size = sizes[i];
    // The first of a row stays in it however wide it is.
    if (i > rowStart && x + size.width > width) {
      endRow(i);
      rowStart = i;
      x = 0;
      y += rowHeight + spacing.down;
      rowHeight = spacing.leastRowHeight;
    }
    flow.places.push_back({x, 0, size.width, size.height});
    x += size.width + spacing.across;
    rowHeight = std::max(rowHeight, size.height);
  }
  endRow(sizes.size());
  flow.height = sizes.empty() ? 0 : y + rowHeight;
  return flow;
}

}  // namespace veltrisko
