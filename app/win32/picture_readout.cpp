// SPDX-License-Identifier: MIT
#include "app/win32/picture_readout.h"

#include <cstring>
#include <string>

#include "analysis/surface_pick.h"
#include "app/logic/process_objects.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_language.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

std::optional<DirectionReadout> ReadoutAt(POINT cursor, const ClientRect& view) {
  const std::optional<WorldDirection> direction =
      DirectionUnderCursor(sceneState, view, horizontalPanel.Code(), verticalPanel.Code(),
                           {static_cast<double>(cursor.x), static_cast<double>(cursor.y)});
  if (!direction) return std::nullopt;
  return ReadDirection(sceneState, horizontalPanel.Code(), verticalPanel.Code(), *direction);
}

}  // namespace

void PictureReadout::Show(const std::optional<DirectionReadout>& readout) {
  shown_ = readout;
  DumpText("readout", Text());
}

void PictureReadout::Hover(POINT cursor, const ClientRect& view) {
  lastHover_ = cursor;
  DumpText("hover", std::to_string(cursor.x) + "," + std::to_string(cursor.y) + " " +
                        std::to_string(view.right) + "x" + std::to_string(view.bottom) + "\n");
  if (pinned_) return;
  anchor_ = cursor;
  Show(ReadoutAt(cursor, view));
}

bool PictureReadout::Click(POINT cursor, const ClientRect& view) {
  if (pinned_) {
    Unpin();
    Hover(cursor, view);
    return true;
  }
  const std::optional<DirectionReadout> readout = ReadoutAt(cursor, view);
  if (!readout) return false;
  pinned_ = readout->world;
  anchor_ = cursor;
  Show(readout);
  return true;
}

bool PictureReadout::Unpin() {
  if (!pinned_) return false;
  pinned_.reset();
  Show(std::nullopt);
  return true;
}

void PictureReadout::Leave() {
  if (!pinned_ && shown_) Show(std::nullopt);
}

void PictureReadout::Refresh(const ClientRect& view) {
  if (pinned_) {
    Show(ReadDirection(sceneState, horizontalPanel.Code(), verticalPanel.Code(), *pinned_));
  } else if (shown_) {
    Show(ReadoutAt(lastHover_, view));
  }
}

std::string PictureReadout::Text() const {
  return shown_ ? ReadoutText(*shown_, viewerLanguage) : std::string();
}

std::string PictureReadout::StatusLine() const {
  return shown_ ? ReadoutStatusLine(*shown_, viewerLanguage) : std::string();
}

bool CopyToClipboard(HWND owner, const std::string& utf8) {
  if (utf8.empty() || !OpenClipboard(owner)) return false;
  EmptyClipboard();
  // Windows line ends, as other programs expect when pasting.
  std::wstring text;
  for (const wchar_t c : Widen(utf8)) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool copied = false;
  if (memory != nullptr) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!copied) GlobalFree(memory);
  }
  // What the clipboard holds now, read back from it.
  std::string held;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      held = Narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  DumpText("clipboard", held);
  return copied;
}

}  // namespace veltrisko
