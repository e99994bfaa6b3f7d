// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "app/logic/legend_drawing.h"
#include "diagram/drawing.h"

class QPainter;

namespace veltrisko {

// The face every diagram text is drawn in, at whole pixels (rounded down, so
// that a text never gets wider than it was measured).
QFont DiagramFont(double size, bool bold);

// TextWidth measured with DiagramFont.
double QtTextWidth(const std::string& utf8, double size, bool bold);

// How the message face (Face::kMessage, the application's font) measures,
// for the readout box and the code message.
MessageFace QtMessageFace();

// Draws a description (a diagram, a legend) on its background.
void PaintDrawing(QPainter& painter, const Drawing& drawing);

}  // namespace veltrisko
