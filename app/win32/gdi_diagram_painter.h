// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "diagram/drawing.h"
#include "render/gl/rgb_image.h"

namespace veltrisko {

// The face the system shows messages and tooltips in.
LOGFONTW MessageFontLook();

// TextWidth measured in the face PaintDrawingGdi draws with.
double GdiTextWidth(const std::string& utf8, double size, bool bold);

// Told of each label as drawn: the text shown (shortened where it had to be)
// and the cell it covers, for the test dumps.
using DrawnLabel = std::function<void(const Label&, const std::string& shown, const RECT& cell)>;

// Draws a description (a diagram, a legend) on its background into `dc`,
// scaled by `scale` (1 for the screen, more for a printer's page).
void PaintDrawingGdi(HDC dc, const Drawing& drawing, double scale = 1.0,
                     const DrawnLabel& drawn = {});

// Runs `paint` on a memory bitmap of width x height and copies the bitmap to
// (x, y) of `dc` in one go, so that a repaint does not flicker; with a
// `dumpName`, the bitmap also goes to the test dumps.
void PaintBuffered(HDC dc, int x, int y, int width, int height,
                   const std::function<void(HDC memory)>& paint, const char* dumpName = nullptr);

// The drawing painted at its own size into a picture.
RgbImage DrawingImage(const Drawing& drawing);

}  // namespace veltrisko
