// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "app/logic/viewer_session.h"

namespace veltrisko {

// What the windows of the Windows viewer (each in a file of its own) reach
// of the main window: the session behind it, and repaints.

// The main window, null before it exists, and the viewer session behind it.
HWND MainWindowHandle();
ViewerSession& Session();
// Carries out what the session asks of the windows after a call.
void CarryUpdate(const SessionUpdate& update);
// Asks the picture, both legends and the side windows to show the current
// state.
void RequestRepaint();
// Asks the main window to place its legends again (e.g. when the information
// legend gains a line), once the current message is handled.
void RequestLayout();

}  // namespace veltrisko
