// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "text/language.h"

namespace veltrisko {

struct Drawing;
struct FitDialogView;

// Test-only: with VELTRISKO_DUMP_DIR set, the windows write what they have
// just drawn into that folder, so that a test under Wine can check the
// picture by content rather than by a screenshot. Without it nothing is
// written.
bool DumpsWanted();

// The frame on the current context, read before the buffers are swapped
// (binary PPM, top row first): <folder>/frame.ppm.
void DumpFrame(int width, int height);

// A memory bitmap as painted, no longer selected into `memoryDc` (binary
// PPM): <folder>/<name>.ppm.
void DumpBitmap(HDC memoryDc, HBITMAP bitmap, int width, int height, const char* name);

// A text, one item a line: <folder>/<name>.txt.
void DumpText(const char* name, const std::string& text);

// The texts a drawing shows, one a line, and each of its curves with its
// number of points ("curve 2 361"): <name>.txt.
void DumpDrawing(const char* name, const Drawing& drawing);

// The fit window's lists, each after its component's name, one row a line
// with tabs between the cells, then the findings, the comparison, the pair
// and the warnings: <name>.txt.
void DumpFitRows(const char* name, const FitDialogView& view, Language language);

}  // namespace veltrisko
