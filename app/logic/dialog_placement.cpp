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

}  // namespace veltrisko
