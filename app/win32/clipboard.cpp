// SPDX-License-Identifier: MIT
#include "app/win32/clipboard.h"

#include <cstring>
#include <string>

#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {

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
