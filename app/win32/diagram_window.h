// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// "Ansicht -> 2D-Diagramme": a top-level window with the horizontal and the
// vertical cut side by side, "Darstellung" polar or cartesian, a check box
// per curve, the reading at the mouse angle below the plots, and the exports
// (PNG, SVG, CSV of either cut) and "Drucken…". What it shows comes from the
// shared description; this window paints it with GDI. Opens it, or brings
// the open one back (restored when minimised) to the front.
void OpenDiagramWindow(HINSTANCE instance, HWND owner);

// Follows the codes, the rule, the language and the loaded file in force
// (the file's cuts are one more curve); call after every change.
void RefreshDiagramWindow();

}  // namespace veltrisko
