// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/logic/legend_content.h"
#include "dialog/panel_controls.h"

namespace veltrisko {

// UTF-8 (the texts of the shared layers) to and from the UTF-16 of the
// window system.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// A length laid out in pixels at 96 dpi, at the dpi of `window`'s screen
// (the viewer is DPI-aware, so the system does not stretch its windows).
int Scaled(HWND window, int pixels);

// A window class of the viewer's with the arrow cursor, to be completed and
// registered.
WNDCLASSEXW WindowClassOf(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// The system's dialog font, which the controls of the viewer's own windows use.
HFONT DialogFont();

// A visible child control of `parent` with the id `id`, in DialogFont(),
// at `place` (pixels; a control laid out later gets any).
struct ControlPlace {
  int x = 0, y = 0, width = 10, height = 10;
};
HWND CreateChildControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
                        int id, ControlPlace place = {}, DWORD extendedStyle = 0);

// A tooltip window for the controls of `owner`, and the tip it shows for
// `control`, replaced by `text` (without a text the control has none).
HWND CreateToolTips(HWND owner);
void SetToolTip(HWND toolTips, HWND control, const std::string& text);

// The path the user chose in the system's dialog to open or (`save`) to save
// a file, UTF-8, and the index of the type chosen; nothing when cancelled.
// `filter` is "Name\0*.a;*.b\0..."; a name saved without an extension gets
// `extension`.
struct FileChoice {
  std::string path;
  std::size_t type = 0;
};
struct FileQuestion {
  bool save = false;
  std::string title;
  std::wstring filter;
  std::string offeredName;
  std::string extension;
};
std::optional<FileChoice> AskForFile(HWND owner, const FileQuestion& question);

// A window's whole text.
std::wstring WindowText(HWND window);

// A window's frame on the screen, and the work area of the screen it is on
// (or, off every screen, of the one `fallback` names).
LegendRect FrameOf(HWND window);
LegendRect WorkAreaOf(HWND window, DWORD fallback = MONITOR_DEFAULTTONEAREST);

// A trackbar ("msctls_trackbar32") of the dialog.
class TrackbarControl final : public SliderControl {
 public:
  explicit TrackbarControl(HWND trackbar) : window_(trackbar) {}
  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  int Position() const override;
  void SetVisible(bool visible) override;

 private:
  HWND window_;
};

// An edit field or a static text of the dialog.
class WindowTextControl final : public TextControl {
 public:
  explicit WindowTextControl(HWND window) : window_(window) {}
  void SetText(const std::string& utf8) override;
  std::string Text() const override;
  void SetVisible(bool visible) override;

 private:
  HWND window_;
};

}  // namespace veltrisko
