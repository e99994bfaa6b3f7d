// SPDX-License-Identifier: MIT
#include "app/win32/window_place.h"

#include "app/logic/viewer_session.h"
#include "app/win32/kept_settings.h"

namespace veltrisko {
namespace {

// A window placement's normal frame is counted from the main screen's work
// area, not from the screen's corner.
POINT WorkspaceOrigin() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return POINT{monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top};
}

// The work area of the screen nearest to `frame` (screen coordinates).
LegendRect WorkAreaNear(const LegendRect& frame) {
  const RECT r{frame.x, frame.y, frame.x + frame.width, frame.y + frame.height};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

}  // namespace

void RememberMainWindowPlace(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return;
  const RECT& frame = placement.rcNormalPosition;
  const bool maximized =
      placement.showCmd == SW_SHOWMAXIMIZED ||
      (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  KeepSettings(WindowPlaceToKeep(
      {{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top}, maximized}));
}

bool ShowMainWindowInPlace(HWND window, int showCommand) {
  const std::optional<WindowPlace> kept = KeptWindowPlace(KeptSessionSettings());
  if (!kept) {
    ShowWindow(window, showCommand);
    return false;
  }
  const POINT origin = WorkspaceOrigin();
  LegendRect frame = kept->frame;
  frame.x += origin.x;
  frame.y += origin.y;
  frame = OnWorkArea(frame, WorkAreaNear(frame));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  placement.flags = 0;
  placement.rcNormalPosition =
      RECT{frame.x - origin.x, frame.y - origin.y, frame.x - origin.x + frame.width,
           frame.y - origin.y + frame.height};
  // A start minimised by its shortcut stays so; otherwise as it was left.
  placement.showCmd = showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
                              showCommand == SW_SHOWMINNOACTIVE
                          ? static_cast<UINT>(showCommand)
                      : kept->maximized ? SW_SHOWMAXIMIZED
                                        : SW_SHOWNORMAL;
  SetWindowPlacement(window, &placement);
  return true;
}

}  // namespace veltrisko
