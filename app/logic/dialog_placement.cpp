// SPDX-License-Identifier: MIT
#include "app/logic/dialog_placement.h"

#include <algorithm>

namespace veltrisko {

LegendRect PlaceDialog(const LegendRect& ownerFrame, int dialogWidth, int dialogHeight,
                       const LegendRect& screen) {
  // Its lower right corner a little inside the owner's lower right corner.
  int x = ownerFrame.x + ownerFrame.width - kDialogInsetFromOwner - dialogWidth;
  int y = ownerFrame.y + ownerFrame.height - kDialogInsetFromOwner - dialogHeight;
  // Then onto the screen; a dialog larger than the screen keeps its top left.
  x = std::max(std::min(x, screen.x + screen.width - dialogWidth), screen.x);
  y = std::max(std::min(y, screen.y + screen.height - dialogHeight), screen.y);
  return {x, y, dialogWidth, dialogHeight};
}

LegendRect PlaceDialogBeside(const LegendRect& ownerFrame, int dialogWidth, int dialogHeight,
                             const LegendRect& screen) {
  const int screenRight = screen.x + screen.width, screenBottom = screen.y + screen.height;
  const int ownerRight = ownerFrame.x + ownerFrame.width;
  const int ownerBottom = ownerFrame.y + ownerFrame.height;
  const auto onScreen = [&](int x, int y) {
    x = std::max(std::min(x, screenRight - dialogWidth), screen.x);
    y = std::max(std::min(y, screenBottom - dialogHeight), screen.y);
    return LegendRect{x, y, dialogWidth, dialogHeight};
  };
  if (ownerRight + dialogWidth <= screenRight) return onScreen(ownerRight, ownerFrame.y);
  if (ownerFrame.x - dialogWidth >= screen.x)
    return onScreen(ownerFrame.x - dialogWidth, ownerFrame.y);
  if (ownerBottom + dialogHeight <= screenBottom)
    return onScreen(ownerRight - dialogWidth, ownerBottom);
  if (ownerFrame.y - dialogHeight >= screen.y)
    return onScreen(ownerRight - dialogWidth, ownerFrame.y - dialogHeight);
  return PlaceDialog(ownerFrame, dialogWidth, dialogHeight, screen);
}

StartPlacement PlaceStartWindows(const LegendRect& work, int dialogWidth, int dialogHeight,
                                 int frameExtraWidth, int frameExtraHeight) {
  const int right = work.x + work.width;
  const int bottom = work.y + work.height;
  if (work.width - dialogWidth - frameExtraWidth >= kSmallestSideBySidePicture) {
    return {{work.x, work.y, work.width - dialogWidth, work.height},
            {right - dialogWidth, work.y, dialogWidth, dialogHeight}};
  }
  if (work.height - dialogHeight - frameExtraHeight >= kSmallestStackedPicture) {
    return {
        {work.x, work.y, work.width, work.height - dialogHeight},
        {std::max(right - dialogWidth, work.x), bottom - dialogHeight, dialogWidth, dialogHeight}};
  }
  return {work, PlaceDialog(work, dialogWidth, dialogHeight, work)};
}

LegendRect PictureCover(bool maximised, const LegendRect& mainFrame, const LegendRect& work,
                        const LegendRect& dialog) {
  const bool fillsScreen = mainFrame.x <= work.x && mainFrame.y <= work.y &&
                           mainFrame.x + mainFrame.width >= work.x + work.width &&
                           mainFrame.y + mainFrame.height >= work.y + work.height;
  return maximised || fillsScreen ? dialog : LegendRect{0, 0, 0, 0};
}

LegendRect VisiblePart(const LegendRect& area, const LegendRect& cover) {
  const int areaRight = area.x + area.width, areaBottom = area.y + area.height;
  const int left = std::max(cover.x, area.x), top = std::max(cover.y, area.y);
  const int right = std::min(cover.x + cover.width, areaRight);
  const int bottom = std::min(cover.y + cover.height, areaBottom);
  if (cover.width <= 0 || cover.height <= 0 || left >= right || top >= bottom) return area;
  const LegendRect strips[] = {{area.x, area.y, left - area.x, area.height},  // left of the cover
                               {right, area.y, areaRight - right, area.height},     // right of it
                               {area.x, area.y, area.width, top - area.y},          // above it
                               {area.x, bottom, area.width, areaBottom - bottom}};  // below it
  LegendRect best{area.x, area.y, 0, 0};
  for (const LegendRect& strip : strips) {
    if (static_cast<long long>(strip.width) * strip.height >
        static_cast<long long>(best.width) * best.height)
      best = strip;
  }
  return best;
}

namespace {

bool Overlap(const LegendRect& a, const LegendRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

LegendRect PlaceReadoutBox(int cursorX, int cursorY, int boxWidth, int boxHeight, int viewWidth,
                           int viewHeight, const LegendRect& dialog) {
  // A margin of two pixels from the view's right and bottom edges.
  const auto inside = [&](int x, int y) {
    x = std::max(std::min(x, viewWidth - boxWidth - 2), 0);
    y = std::max(std::min(y, viewHeight - boxHeight - 2), 0);
    return LegendRect{x, y, boxWidth, boxHeight};
  };
  const int right = cursorX + kReadoutBoxOffset;
  const int left = cursorX - kReadoutBoxOffset - boxWidth;
  const int below = cursorY + kReadoutBoxOffset;
  const int above = cursorY - kReadoutBoxOffset - boxHeight;
  const LegendRect sides[] = {inside(right, below), inside(left, below), inside(right, above),
                              inside(left, above)};
  for (const LegendRect& side : sides) {
    if (dialog.width <= 0 || dialog.height <= 0 || !Overlap(side, dialog)) return side;
  }
  return sides[0];
}

}  // namespace veltrisko
