// SPDX-License-Identifier: MIT
#include "app/win32/win32_controls.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

namespace veltrisko {

std::wstring Widen(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
  return text;
}

std::string Narrow(const std::wstring& utf16) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), text.data(), length,
                      nullptr, nullptr);
  return text;
}

namespace {

// The window's dpi; the first releases of Windows 10 lack GetDpiForWindow,
// and there the screen's dpi is the window's.
int DpiOf(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow != nullptr) {
    if (const UINT dpi = dpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int Scaled(HWND window, int pixels) {
  return MulDiv(pixels, DpiOf(window), USER_DEFAULT_SCREEN_DPI);
}

WNDCLASSEXW WindowClassOf(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = name;
  return windowClass;
}

HFONT DialogFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND CreateChildControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
                        int id, ControlPlace place, DWORD extendedStyle) {
  const HWND child = CreateWindowExW(
      extendedStyle, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, place.x,
      place.y, place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return child;
}

HWND CreateToolTips(HWND owner) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                         0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void SetToolTip(HWND toolTips, HWND control, const std::string& text) {
  std::wstring wide = Widen(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!wide.empty()) SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::optional<FileChoice> AskForFile(HWND owner, const FileQuestion& question) {
  wchar_t path[MAX_PATH * 4] = L"";
  const std::wstring offered = Widen(question.offeredName);
  offered.copy(path, std::min(offered.size(), std::size(path) - 1));
  const std::wstring title = Widen(question.title), extension = Widen(question.extension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = question.filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = static_cast<DWORD>(std::size(path));
  dialog.lpstrTitle = title.c_str();
  // A file is only read or written whole: the "open as read-only" box would
  // mean nothing.
  dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 (question.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (question.save) dialog.lpstrDefExt = extension.c_str();
  if (!(question.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return {};
  return FileChoice{Narrow(path), dialog.nFilterIndex > 0 ? dialog.nFilterIndex - 1 : 0};
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

namespace {

LegendRect RectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

LegendRect FrameOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return RectOf(frame);
}

LegendRect WorkAreaOf(HWND window, DWORD fallback) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, fallback), &monitor);
  return RectOf(monitor.rcWork);
}

void TrackbarControl::SetRange(int minimum, int maximum) {
  SendMessageW(window_, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
}

void TrackbarControl::SetPosition(int position) {
  SendMessageW(window_, TBM_SETPOS, TRUE, position);
}

int TrackbarControl::Position() const {
  return static_cast<int>(SendMessageW(window_, TBM_GETPOS, 0, 0));
}

void TrackbarControl::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOW : SW_HIDE); }

void WindowTextControl::SetText(const std::string& utf8) {
  SetWindowTextW(window_, Widen(utf8).c_str());
}

std::string WindowTextControl::Text() const {
  // As the panel reads it: at most 99 characters.
  wchar_t buffer[100];
  const int length = GetWindowTextW(window_, buffer, 100);
  return Narrow(std::wstring(buffer, static_cast<std::size_t>(length > 0 ? length : 0)));
}

void WindowTextControl::SetVisible(bool visible) {
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace veltrisko
