// SPDX-License-Identifier: MIT
#include "app/win32/side_window_place.h"

#include "app/logic/side_window_placement.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
SidePlace SideWindowPlace(HWND owner, int width, int height, int minWidth, int minHeight) {
  SideWindowRequest request;
  request.screen = WorkAreaOf(owner);
  request.owner = FrameOf(owner);
  // The title and the menu bar end where the client area begins.
  POINT client{0, 0};
  ClientToScreen(owner, &client);
  request.ownerBarsHeight = client.y - request.owner.y;
  if (configDialogWindow != nullptr && IsWindowVisible(configDialogWindow))
    request.dialog = FrameOf(configDialogWindow);
  request.width = width;
  request.height = height;
  request.minWidth = minWidth;
  request.minHeight = minHeight;
  const LegendRect place = PlaceSideWindow(request);
  return {place.x, place.y, place.width, place.height};
}

void BringSideWindowForward(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

}  // namespace veltrisko
