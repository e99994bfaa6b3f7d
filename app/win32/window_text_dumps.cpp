// SPDX-License-Identifier: MIT
#include "app/win32/window_text_dumps.h"

#include <string>

#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void DumpMenu(HMENU menu, const std::string& path, std::string& lines) {
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) ||
        (info.fType & MFT_SEPARATOR) != 0)
      continue;
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    text.resize(info.cch);
    const std::string entry = path + Narrow(text);
    lines += "menu " + entry + "\n";
    if (info.hSubMenu != nullptr) DumpMenu(info.hSubMenu, entry + " > ", lines);
  }
}

// The text as drawn: "&&" is one '&', a single '&' only underlines.
std::wstring WithoutPrefix(const std::wstring& text) {
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown.push_back(text[i]);
  }
  return shown;
}

SIZE LineExtent(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

enum class ControlKind { kStatic, kGroup, kRadio, kEdit, kOther };

ControlKind KindOf(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  const std::wstring className(name);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (className == L"Static") return ControlKind::kStatic;
  if (className == L"Edit") return ControlKind::kEdit;
  if (className != L"Button") return ControlKind::kOther;
  return (style & BS_TYPEMASK) == BS_GROUPBOX ? ControlKind::kGroup : ControlKind::kRadio;
}

// The size the control's text needs in the control's font, drawn the way
// the control draws it.
SIZE NeededSize(HWND control, ControlKind kind, const std::wstring& text, const RECT& client) {
  // A memory context with the control's font measures as the control's own
  // does, without touching the window's drawing.
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  SIZE need{0, 0};
  switch (kind) {
    case ControlKind::kStatic: {
      // A left-aligned static breaks its text into lines at word ends.
      RECT bounds{0, 0, client.right, 0};
      const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
      std::wstring copy = text;
      DrawTextW(dc, copy.data(), static_cast<int>(copy.size()), &bounds,
                DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
      need = {bounds.right, bounds.bottom};
      break;
    }
    case ControlKind::kGroup:
      // The frame's caption keeps about a character's width from either end.
      need = LineExtent(dc, WithoutPrefix(text));
      need.cx += 2 * metrics.tmAveCharWidth;
      need.cy = 0;  // the frame's height is its contents'
      break;
    case ControlKind::kRadio:
      // The round box and a gap come before the text.
      need = LineExtent(dc, WithoutPrefix(text));
      need.cx += GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2;
      break;
    case ControlKind::kEdit: {
      const LRESULT margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
      need = LineExtent(dc, text);
      need.cx += LOWORD(margins) + HIWORD(margins);
      break;
    }
    case ControlKind::kOther:
      break;
  }
  SelectObject(dc, oldFont);
  DeleteDC(dc);
  return need;
}

std::string SizeText(LONG width, LONG height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

void DumpWindowTexts(HWND window, const char* name) {
  if (!DumpsWanted()) return;
  std::string lines = "title " + Narrow(WindowText(window)) + "\n";
  if (const HMENU menu = GetMenu(window)) DumpMenu(menu, "", lines);
  DumpText(name, lines);
}

void DumpControlTexts(HWND dialog, const char* name) {
  if (!DumpsWanted()) return;
  static constexpr const char* kKindNames[] = {"static", "group", "radio", "edit"};
  std::string lines = "title " + Narrow(WindowText(dialog)) + "\n";
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const ControlKind kind = KindOf(control);
    const std::wstring text = WindowText(control);
    // Trackbars show no text; an empty control has nothing to clip.
    if (kind == ControlKind::kOther || text.empty()) continue;
    RECT client;
    GetClientRect(control, &client);
    const SIZE need = NeededSize(control, kind, text, client);
    std::string shown = Narrow(text);
    for (char& c : shown) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    lines += "control " + std::to_string(GetDlgCtrlID(control)) + " " +
             kKindNames[static_cast<int>(kind)] + " " +
             ((GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0 ? "shown " : "hidden ") +
             SizeText(need.cx, need.cy) + " " + SizeText(client.right, client.bottom) + " " +
             shown + "\n";
  }
  DumpText(name, lines);
}

}  // namespace veltrisko
