// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

inline constexpr int kConfigDialogTemplate = 107;

// The open configuration dialog's window, null while none is open; the
// message loop offers it every message first.
extern HWND configDialogWindow;

// Creates the modeless dialog from template 107, owned by the main window,
// beside it, and shows it; active unless `activate` is false (at start-up
// the main window stays active, so that the keys turn the view at once).
void OpenConfigDialog(HINSTANCE instance, HWND mainWindow, bool activate = true);
// Moves the open dialog beside its owner, wholly on the owner's screen.
void PlaceConfigDialogBesideOwner();
// Shows the open dialog's texts in the viewer's language.
void ShowConfigDialogTexts();

}  // namespace veltrisko
