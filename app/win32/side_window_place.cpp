// SPDX-License-Identifier: MIT
#include "app/win32/side_window_place.h"

#include "app/logic/side_window_placement.h"
#include "app/win32/config_dialog_window.h"

namespace veltrisko {
namespace {

LegendRect RectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

SidePlace SideWindowPlace(HWND owner, int width, int height, int minWidth, int minHeight) {
  SideWindowRequest request;
  RECT frame{};
  GetWindowRect(owner, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  request.screen = RectOf(monitor.rcWork);
  request.owner = RectOf(frame);
  // The title and the menu bar end where the client area begins.
  POINT client{0, 0};
  ClientToScreen(owner, &client);
  request.ownerBarsHeight = client.y - frame.top;
  if (configDialogWindow != nullptr && IsWindowVisible(configDialogWindow)) {
    RECT dialog{};
    GetWindowRect(configDialogWindow, &dialog);
    request.dialog = RectOf(dialog);
  }
  request.width = width;
  request.height = height;
  request.minWidth = minWidth;
  request.minHeight = minHeight;
  const LegendRect place = PlaceSideWindow(request);
  return {place.x, place.y, place.width, place.height};
}

}  // namespace veltrisko
