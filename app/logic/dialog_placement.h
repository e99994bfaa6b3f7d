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

// Where a dialog opens beside its owner, wholly on the screen: right of it,
// else left of it (both top-aligned with it), else below it, else above it
// (both right-aligned with it); where no side has room, over its lower right
// part as PlaceDialog does.
LegendRect PlaceDialogBeside(const LegendRect& ownerFrame, int dialogWidth, int dialogHeight,
                             const LegendRect& screen);

// Where the main window and the dialog open at start-up, so that the
// picture, both legends and the colour strip stay in sight: side by side
// (the dialog at the screen's right) where the picture keeps at least
// kSmallestSideBySidePicture pixels of width; else one above the other (the
// dialog at the bottom) where the picture keeps kSmallestStackedPicture of
// height; else the main window takes the screen, the dialog over its lower
// right, and the picture moves into the part the dialog leaves (VisiblePart).
// `work`: the screen's work area; the frames' sizes include their borders;
// `frameExtra*`: what the main window's frame, menu and status bar add to
// its picture.
inline constexpr int kSmallestSideBySidePicture = 480;
inline constexpr int kSmallestStackedPicture = 260;

struct StartPlacement {
  LegendRect main;
  LegendRect dialog;
};

StartPlacement PlaceStartWindows(const LegendRect& work, int dialogWidth, int dialogHeight,
                                 int frameExtraWidth, int frameExtraHeight);

// The largest part of `area` that `cover` leaves in sight: the whole area when
// they do not overlap, else the widest strip left, right, above or below the
// cover (the first of equal ones in that order); empty when nothing is left.
// Both in the same coordinates.
LegendRect VisiblePart(const LegendRect& area, const LegendRect& cover);

// What the picture keeps out from under: the dialog (`dialog`, any
// coordinates) while the main window is maximised or fills the screen's work
// area, where the dialog must stand over it; nothing otherwise, where the user
// placed the windows (the readout box then keeps clear of the dialog).
LegendRect PictureCover(bool maximised, const LegendRect& mainFrame, const LegendRect& work,
                        const LegendRect& dialog);

// Where the readout box stands beside the cursor, in the view's pixels: below
// and right of it, else on another side of it, inside the view and clear of
// the configuration dialog (`dialog`, in the view's pixels; width 0 when none
// is open) where some side allows; else below and right, inside the view.
inline constexpr int kReadoutBoxOffset = 16;

LegendRect PlaceReadoutBox(int cursorX, int cursorY, int boxWidth, int boxHeight, int viewWidth,
                           int viewHeight, const LegendRect& dialog);

}  // namespace veltrisko
