// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>

#include "app/logic/legend_content.h"

namespace veltrisko {

inline constexpr wchar_t kInfoLegendClass[] = L"VeltriskoLegendeClass";
inline constexpr wchar_t kColourLegendClass[] = L"VeltriskoColorLegendeClass";

// What the two legends show, asked for at each of their paints.
void SetLegendContent(std::function<InfoLegendContent()> info,
                      std::function<ColourLegendContent()> colours);

// The two legends' window procedures: each paints its whole client area from
// the content above through a memory device context.
LRESULT CALLBACK InfoLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ColourLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace veltrisko
