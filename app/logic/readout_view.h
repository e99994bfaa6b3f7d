// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "app/logic/legend_drawing.h"
#include "render/false_colour.h"
#include "render/pattern_frame.h"
#include "render/pattern_geometry.h"

namespace veltrisko {

// What the viewers' analysis features add to the picture: the difference
// colouring of "Unterschied V6/V7" and the marker of a pinned readout.
struct AnalysisViewState {
  bool differenceView = false;
  std::optional<WorldDirection> pinned;
};

FrameOptions FrameOptionsOf(const AnalysisViewState& state);

// The readout box beside the cursor, the same in every viewer: a pale yellow
// box with a grey 1-pixel border and its text 4 pixels inside its edge.
struct ReadoutBoxStyle {
  Colour background = 0xE1FFFF;  // (255, 255, 225)
  Colour border = 0x767676;      // (118, 118, 118)
  Colour text = 0x000000;
  int borderWidth = 1;
  int textInset = 4;  // from the box's outer edge, the border included
};
inline constexpr ReadoutBoxStyle kReadoutBox{};

// The readout box as a drawing of its own size: the text's lines one under
// the other in the message face, textInset inside the box's edge, on its
// background inside its border; an empty drawing for an empty text.
Drawing ReadoutBoxDrawing(const std::string& text, const MessageFace& face);

// Where that drawing stands beside the cursor, in the view's pixels
// (PlaceReadoutBox), its size rounded up to whole pixels so that all of it,
// its border included, lies inside the view.
LegendRect PlaceReadoutBoxDrawing(const Drawing& box, int cursorX, int cursorY, int viewWidth,
                                  int viewHeight, const LegendRect& dialog);

// A press and release of a mouse button at most this many pixels apart
// (Manhattan distance) count as a click, not as a drag.
inline constexpr int kClickSlack = 3;
bool IsClick(int dx, int dy);

// What Ctrl+C and "Werte kopieren" put on the clipboard: the readout's lines
// and one line naming the codes and the rule they belong to, e.g.
// "Codes: 030EA10 / 020EA05, HCM V7", so that a pasted value can be traced.
std::string CopiedReadoutText(const std::string& readoutText, const char* horizontalCode,
                              const char* verticalCode, bool useHcmV7);

}  // namespace veltrisko
