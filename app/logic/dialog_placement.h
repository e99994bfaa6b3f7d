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

}  // namespace veltrisko
