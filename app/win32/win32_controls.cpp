// SPDX-License-Identifier: MIT
#include "app/win32/win32_controls.h"

#include <commctrl.h>

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
