// SPDX-License-Identifier: MIT
#include "app/logic/readout_view.h"

#include <algorithm>
#include <cstdlib>

namespace veltrisko {

namespace {
constexpr int kCursorOffset = 16;
constexpr int kViewMargin = 2;
}  // namespace

FrameOptions FrameOptionsOf(const AnalysisViewState& state) {
  return FrameOptions{.differenceColouring = state.differenceView, .markedDirection = state.pinned};
}

bool IsClick(int dx, int dy) { return std::abs(dx) + std::abs(dy) <= kClickSlack; }

BoxPosition ReadoutBoxPosition(int cursorX, int cursorY, int boxWidth, int boxHeight, int viewWidth,
                               int viewHeight) {
  const int x = std::min(cursorX + kCursorOffset, viewWidth - boxWidth - kViewMargin);
  const int y = std::min(cursorY + kCursorOffset, viewHeight - boxHeight - kViewMargin);
  return {std::max(x, 0), std::max(y, 0)};
}

}  // namespace veltrisko
