// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

inline constexpr int kConfigDialogTemplate = 107;

// The open configuration dialog's window, null while none is open; the
// message loop offers it every message first.
extern HWND configDialogWindow;

// Creates the modeless dialog from template 107, owned by the main window,
// and shows it.
void OpenConfigDialog(HINSTANCE instance, HWND mainWindow);
// Shows the open dialog's texts in the viewer's language.
void ShowConfigDialogTexts();

}  // namespace veltrisko
