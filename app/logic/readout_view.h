// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "render/pattern_frame.h"
#include "render/pattern_geometry.h"

namespace veltrisko {

// What the viewers' analysis features add to the picture: the difference
// colouring of "Unterschied V6/V7" and the marker of a pinned readout.
struct AnalysisViewState {
  bool differenceView = false;
  std::optional<WorldDirection> pinned;
};

FrameOptions FrameOptionsOf(const AnalysisViewState& state);

// A press and release of a mouse button at most this many pixels apart
// (Manhattan distance) count as a click, not as a drag.
inline constexpr int kClickSlack = 3;
bool IsClick(int dx, int dy);

// Where the readout box's top-left corner goes for a cursor position: 16
// pixels right of and below the cursor, kept 2 pixels inside a view of the
// given size as far as the box fits.
struct BoxPosition {
  int x = 0;
  int y = 0;
  bool operator==(const BoxPosition&) const = default;
};
BoxPosition ReadoutBoxPosition(int cursorX, int cursorY, int boxWidth, int boxHeight, int viewWidth,
                               int viewHeight);

}  // namespace veltrisko
