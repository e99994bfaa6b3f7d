// SPDX-License-Identifier: MIT
#include "app/win32/window_text_dumps.h"

// clang-format off
#include <windows.h>  // first: commctrl.h needs it
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <string>

#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

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

enum class ControlKind { kStatic, kGroup, kRadio, kEdit, kButton, kCombo, kList, kOther };
constexpr const char* kKindNames[] = {"static", "group", "radio", "edit", "button", "combo"};

ControlKind KindOf(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  const std::wstring className(name);
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (className == L"Static") return ControlKind::kStatic;
  if (className == L"Edit") return ControlKind::kEdit;
  if (className == L"ComboBox") return ControlKind::kCombo;
  if (className == WC_LISTVIEWW) return ControlKind::kList;
  if (className != L"Button") return ControlKind::kOther;
  if (type == BS_GROUPBOX) return ControlKind::kGroup;
  // Radio buttons and check boxes alike: a box, a gap, the text.
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? ControlKind::kButton
                                                           : ControlKind::kRadio;
}

// A memory context with a window's font measures as the window's own does,
// without touching the window's drawing.
class FontContext {
 public:
  explicit FontContext(HWND window)
      : dc_(CreateCompatibleDC(nullptr)),
        old_(SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))) {
    GetTextMetricsW(dc_, &metrics_);
  }
  ~FontContext() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;
  HDC Dc() const { return dc_; }
  const TEXTMETRICW& Metrics() const { return metrics_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
  TEXTMETRICW metrics_{};
};

// The size the control's text needs in the control's font, drawn the way
// the control draws it.
SIZE NeededSize(HWND control, ControlKind kind, const std::wstring& text, const RECT& client) {
  const FontContext context(control);
  const HDC dc = context.Dc();
  const TEXTMETRICW& metrics = context.Metrics();
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
    case ControlKind::kButton:
      // Centred inside the raised frame, half a character clear of it.
      need = LineExtent(dc, WithoutPrefix(text));
      need.cx += 2 * GetSystemMetrics(SM_CXEDGE) + metrics.tmAveCharWidth;
      need.cy += 2 * GetSystemMetrics(SM_CYEDGE);
      break;
    case ControlKind::kCombo: {
      // The closed box shows one item at a time: the widest one counts,
      // beside the drop-down arrow. The box sets its own height.
      const LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
      for (WPARAM i = 0; i < static_cast<WPARAM>(std::max<LRESULT>(count, 0)); ++i) {
        std::wstring item(static_cast<std::size_t>(
                              std::max<LRESULT>(SendMessageW(control, CB_GETLBTEXTLEN, i, 0), 0)) +
                              1,
                          L'\0');
        item.resize(static_cast<std::size_t>(std::max<LRESULT>(
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())), 0)));
        need.cx = std::max(need.cx, LineExtent(dc, item).cx);
      }
      need.cx += GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) +
                 metrics.tmAveCharWidth / 2;
      break;
    }
    case ControlKind::kList:
    case ControlKind::kOther:
      break;
  }
  return need;
}

std::string SizeText(LONG width, LONG height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

std::string Line(HWND control, const char* kind, SIZE need, SIZE have, const std::wstring& text) {
  std::string shown = Narrow(text);
  for (char& c : shown) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  return "control " + std::to_string(GetDlgCtrlID(control)) + " " + kind + " " +
         ((GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0 ? "shown " : "hidden ") +
         SizeText(need.cx, need.cy) + " " + SizeText(have.cx, have.cy) + " " + shown + "\n";
}

// A report list: each column's header and each cell against the column's
// width; the header's text against its height too.
std::string ListLines(HWND list) {
  std::string lines;
  const HWND header = ListView_GetHeader(list);
  const FontContext headerFont(header);
  // The header and the list leave this much beside a text (their drawing's
  // margins: three edges in the header, a few pixels in a cell).
  const int headerMargin = 6 * GetSystemMetrics(SM_CXEDGE);
  constexpr int kCellMargin = 12;
  const int columns = Header_GetItemCount(header);
  const int rows = ListView_GetItemCount(list);
  for (int column = 0; column < columns; ++column) {
    wchar_t name[128] = {};
    HDITEMW heading{};
    heading.mask = HDI_TEXT;
    heading.pszText = name;
    heading.cchTextMax = 128;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&heading));
    RECT place{};
    Header_GetItemRect(header, column, &place);
    SIZE need = LineExtent(headerFont.Dc(), name);
    need.cx += headerMargin;
    lines += Line(list, "column", need, {place.right - place.left, place.bottom - place.top}, name);
    const int width = ListView_GetColumnWidth(list, column);
    for (int row = 0; row < rows; ++row) {
      wchar_t cell[128] = {};
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = cell;
      item.cchTextMax = 128;
      SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      const int cellWidth = static_cast<int>(
          SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(cell)));
      lines += Line(list, "cell", {cellWidth + kCellMargin, 0}, {width, 0}, cell);
    }
  }
  return lines;
}

}  // namespace

void DumpWindowTexts(HWND window, const char* name) {
  if (!DumpsWanted()) return;
  std::string lines = "title " + Narrow(WindowText(window)) + "\n";
  if (const HMENU menu = GetMenu(window)) DumpMenu(menu, "", lines);
  DumpText(name, lines);
}

void DumpControlTexts(HWND window, const char* name) {
  if (!DumpsWanted()) return;
  std::string lines = "title " + Narrow(WindowText(window)) + "\n";
  for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const ControlKind kind = KindOf(control);
    if (kind == ControlKind::kList) {
      lines += ListLines(control);
      continue;
    }
    const std::wstring text = WindowText(control);
    // Trackbars and plots show no text; an empty control has nothing to clip.
    if (kind == ControlKind::kOther || text.empty()) continue;
    RECT client;
    GetClientRect(control, &client);
    lines += Line(control, kKindNames[static_cast<int>(kind)],
                  NeededSize(control, kind, text, client), {client.right, client.bottom}, text);
  }
  DumpText(name, lines);
}

void DumpControlPlaces(HWND window, const char* name, bool withTexts) {
  if (!DumpsWanted()) return;
  std::string lines;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (KindOf(child) == ControlKind::kCombo && GetComboBoxInfo(child, &combo))
      r.bottom = r.top + combo.rcButton.bottom + combo.rcButton.top;
    lines += std::to_string(GetDlgCtrlID(child)) + "\t" + std::to_string((r.left + r.right) / 2) +
             "\t" + std::to_string((r.top + r.bottom) / 2) +
             (withTexts ? "\t" + Narrow(WindowText(child)) : std::string()) + "\n";
  }
  DumpText(name, lines);
}

void DumpFrames(std::initializer_list<HWND> windows, HWND owner, const char* name) {
  if (!DumpsWanted()) return;
  std::string lines;
  for (const HWND window : windows) {
    RECT r{};
    if (window != nullptr) GetWindowRect(window, &r);
    lines += std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
             " " + std::to_string(r.bottom) + "\n";
  }
  POINT client{0, 0};
  ClientToScreen(owner, &client);
  DumpText(name, lines + std::to_string(client.y) + "\n");
}

void DumpRects(const char* name, std::initializer_list<std::pair<const char*, LegendRect>> rects) {
  if (!DumpsWanted()) return;
  std::string lines;
  for (const auto& [what, r] : rects)
    lines += std::string(what) + " " + std::to_string(r.x) + " " + std::to_string(r.y) + " " +
             std::to_string(r.width) + " " + std::to_string(r.height) + "\n";
  DumpText(name, lines);
}

}  // namespace veltrisko
