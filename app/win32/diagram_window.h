// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

// "Ansicht -> 2D-Diagramme": a top-level window with the horizontal and the
// vertical cut side by side, "Darstellung" polar or cartesian, a check box
// per curve, the reading at the mouse angle below the plots, and the exports
// (PNG, SVG, CSV of either cut) and "Drucken…". What it shows comes from the
// shared description; this window paints it with GDI. Opens it, or brings
// the open one back (restored when minimised) to the front.
void OpenDiagramWindow(HINSTANCE instance, HWND owner);

// Follows the codes and the rule in force; call after every change.
void RefreshDiagramWindow();

// Shows a loaded pattern file's cuts as one more curve (an empty name
// removes it); applies to the window open now and to one opened later.
void SetDiagramImportedCuts(const std::string& name, const std::optional<CutLosses>& horizontal,
                            const std::optional<CutLosses>& vertical);

}  // namespace veltrisko
