// SPDX-License-Identifier: MIT
#include "app/win32/window_place.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

#include "app/win32/kept_settings.h"

namespace veltrisko {
namespace {

constexpr wchar_t kPlaceValue[] = L"MainWindow";
// A kept frame smaller than this is not a place anybody chose.
constexpr LONG kSmallestSide = 100;

struct KeptPlace {
  RECT frame;
  bool maximized;
};

std::optional<KeptPlace> ReadKeptPlace() {
  const std::optional<std::string> value = KeptSetting(kPlaceValue);
  if (!value) return std::nullopt;
  std::istringstream words(*value);
  KeptPlace place{};
  std::string state;
  if (!(words >> place.frame.left >> place.frame.top >> place.frame.right >> place.frame.bottom >>
        state) ||
      (state != "normal" && state != "maximized"))
    return std::nullopt;
  const long long width = static_cast<long long>(place.frame.right) - place.frame.left;
  const long long height = static_cast<long long>(place.frame.bottom) - place.frame.top;
  if (width < kSmallestSide || height < kSmallestSide) return std::nullopt;
  place.maximized = state == "maximized";
  return place;
}

// The frame moved (and if need be shrunk) into the work area of the screen
// nearest to it. Screen coordinates.
RECT OnScreen(const RECT& frame) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const LONG width = std::min(frame.right - frame.left, work.right - work.left);
  const LONG height = std::min(frame.bottom - frame.top, work.bottom - work.top);
  const LONG left = std::clamp(frame.left, work.left, work.right - width);
  const LONG top = std::clamp(frame.top, work.top, work.bottom - height);
  return RECT{left, top, left + width, top + height};
}

// A window placement's normal frame is counted from the main screen's work
// area, not from the screen's corner.
POINT WorkspaceOrigin() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return POINT{monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top};
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
  KeepSetting(kPlaceValue, std::to_string(frame.left) + " " + std::to_string(frame.top) + " " +
                               std::to_string(frame.right) + " " + std::to_string(frame.bottom) +
                               (maximized ? " maximized" : " normal"));
}

bool ShowMainWindowInPlace(HWND window, int showCommand) {
  const std::optional<KeptPlace> kept = ReadKeptPlace();
  if (!kept) {
    ShowWindow(window, showCommand);
    return false;
  }
  const POINT origin = WorkspaceOrigin();
  RECT frame = kept->frame;
  OffsetRect(&frame, origin.x, origin.y);
  frame = OnScreen(frame);
  OffsetRect(&frame, -origin.x, -origin.y);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  placement.flags = 0;
  placement.rcNormalPosition = frame;
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
