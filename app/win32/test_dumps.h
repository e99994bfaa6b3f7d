// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace veltrisko {

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

}  // namespace veltrisko
