// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// The main window's place, kept beside the language in
// HKEY_CURRENT_USER\Software\Veltrisko, value "MainWindow":
// "left top right bottom" of its normal frame, then "maximized" or "normal".
void RememberMainWindowPlace(HWND window);

// Puts the window where it was at the last end, wholly on the screen that
// holds most of that place, and shows it; shows it with `showCommand` where
// it stands when nothing (or nothing readable) is kept. True when a kept
// place was used.
bool ShowMainWindowInPlace(HWND window, int showCommand);

}  // namespace veltrisko
