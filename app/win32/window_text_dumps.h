// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// Test-only, like test_dumps.h: what a window shows as text, for a test that
// checks the language of every title, menu entry and control.

// The window's title and every entry of its menu, one line each, submenus
// after their popup's path ("&Ansicht > S&prache > Deutsch"): <name>.txt.
void DumpWindowTexts(HWND window, const char* name);

// The window's title and, for each child control, its number, kind, whether
// it is shown, the size its text needs in the control's font, the size it has
// and the text; a report list's column headers and cells against their
// column's width: <name>.txt.
void DumpControlTexts(HWND window, const char* name);

}  // namespace veltrisko
