// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// "&Dokumentation": the web page on the documentation host when the build
// names one, otherwise user-guide.html beside the program, opened with the
// shell's default handler; when that fails, a message box says where it is.
void OpenDocumentation(HWND owner);

}  // namespace veltrisko
