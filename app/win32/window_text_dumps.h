// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "app/logic/legend_content.h"

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

// For a test that clicks them: each shown child control's number and the
// middle of its place on the screen (of a combo box's closed field, not of
// its dropped list), each followed by its text when `withTexts`: <name>.txt.
void DumpControlPlaces(HWND window, const char* name, bool withTexts);

// The frames of `windows` on the screen, "left top right bottom" a line (a
// missing window as zeros), then where `owner`'s title and menu bar end:
// <name>.txt.
void DumpFrames(std::initializer_list<HWND> windows, HWND owner, const char* name);

// Named rectangles, "name x y width height" a line: <name>.txt.
void DumpRects(const char* name, std::initializer_list<std::pair<const char*, LegendRect>> rects);

}  // namespace veltrisko
