// SPDX-License-Identifier: MIT
#include "app/logic/readout_view.h"

#include <cstdlib>

namespace veltrisko {

FrameOptions FrameOptionsOf(const AnalysisViewState& state) {
  return FrameOptions{.differenceColouring = state.differenceView, .markedDirection = state.pinned};
}

bool IsClick(int dx, int dy) { return std::abs(dx) + std::abs(dy) <= kClickSlack; }

}  // namespace veltrisko
