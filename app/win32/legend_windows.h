// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

inline constexpr wchar_t kInfoLegendClass[] = L"VeltriskoLegendeClass";
inline constexpr wchar_t kColourLegendClass[] = L"VeltriskoColorLegendeClass";

// The two legends' window procedures: each paints its whole client area from
// the process's scene and codes through a memory device context.
LRESULT CALLBACK InfoLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ColourLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace veltrisko
