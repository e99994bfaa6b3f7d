// SPDX-License-Identifier: MIT
#pragma once

#include "app/logic/legend_content.h"

namespace veltrisko {

// Where a window the viewer opens beside its main window (the 2-D diagrams,
// the code fit) stands: wholly on the screen's work area, clear of the
// configuration dialog and of the main window's title and menu bar, beside
// the main window where there is room. It keeps its wanted size where that
// fits, else it shrinks (down to its minimum) into the room beside the
// dialog. Rectangles in screen pixels, frames included; `dialog` has width 0
// while none is open.
struct SideWindowRequest {
  LegendRect screen;
  LegendRect owner;
  int ownerBarsHeight = 0;  // the owner's title and menu bar, from its top
  LegendRect dialog{0, 0, 0, 0};
  int width = 0, height = 0;
  int minWidth = 0, minHeight = 0;
};

LegendRect PlaceSideWindow(const SideWindowRequest& request);

// The size each opens with where the screen has room, in pixels at 96 dpi,
// its frame included; a viewer scales it with the screen's dpi.
inline constexpr int kDiagramWindowWidth = 1100, kDiagramWindowHeight = 680;
inline constexpr int kFitWindowWidth = 900, kFitWindowHeight = 690;

}  // namespace veltrisko
