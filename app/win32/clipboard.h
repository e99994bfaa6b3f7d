// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace veltrisko {

// Puts the text on the clipboard as CF_UNICODETEXT; false when the clipboard
// could not be had.
bool CopyToClipboard(HWND owner, const std::string& utf8);

}  // namespace veltrisko
