// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "diagram/drawing.h"
#include "render/gl/rgb_image.h"

namespace veltrisko {

// TextWidth measured in the face PaintDrawingGdi draws with.
double GdiTextWidth(const std::string& utf8, double size, bool bold);

// Draws a diagram description on a white background into `dc`, scaled by
// `scale` (1 for the screen, more for a printer's page).
void PaintDrawingGdi(HDC dc, const Drawing& drawing, double scale = 1.0);

// The drawing painted at its own size into a picture.
RgbImage DrawingImage(const Drawing& drawing);

}  // namespace veltrisko
