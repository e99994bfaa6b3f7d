// SPDX-License-Identifier: MIT
#pragma once

#include "app/logic/legend_content.h"

namespace veltrisko {

// Where the configuration dialog opens: over the lower right part of its
// owner, its frame wholly on the screen. Rectangles in screen pixels,
// frames included.
inline constexpr int kDialogInsetFromOwner = 24;

LegendRect PlaceDialog(const LegendRect& ownerFrame, int dialogWidth, int dialogHeight,
                       const LegendRect& screen);

// Where the readout box stands beside the cursor, in the view's pixels: below
// and right of it, else on another side of it, inside the view and clear of
// the configuration dialog (`dialog`, in the view's pixels; width 0 when none
// is open) where some side allows; else below and right, inside the view.
inline constexpr int kReadoutBoxOffset = 16;

LegendRect PlaceReadoutBox(int cursorX, int cursorY, int boxWidth, int boxHeight, int viewWidth,
                           int viewHeight, const LegendRect& dialog);

}  // namespace veltrisko
