// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// Where a window opened beside the main window (the 2-D diagrams, the code
// fit) stands: PlaceSideWindow on the work area of the main window's screen,
// clear of the configuration dialog and of the main window's title and menu
// bar. Sizes in pixels, frames included.
struct SidePlace {
  int x = 0, y = 0, width = 0, height = 0;
};
SidePlace SideWindowPlace(HWND owner, int width, int height, int minWidth, int minHeight);

// Shows a side window, restored if it was minimised, in front of the others.
void BringSideWindowForward(HWND window);

}  // namespace veltrisko
