// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>

#include "app/logic/viewer_session.h"

namespace veltrisko {

// How the features of the Windows viewer (each in a file of its own) join the
// main window: they register the window commands they carry out for the
// viewer session and what follows every repaint, and ask for repaints.

// Carries out a command of the shared menu table; returns whether the state
// changed so that the windows repaint.
using CommandHandler = std::function<bool()>;
void AddCommandHandler(int command, CommandHandler handler);
// Runs after every change of state, once the main window has been asked to
// repaint (other windows follow the picture).
void AddRepaintListener(std::function<void()> listener);

// The main window, null before it exists, and the viewer session behind it.
HWND MainWindowHandle();
ViewerSession& Session();
HINSTANCE ProgramInstance();
// Asks the picture, both legends and every listener to show the current
// state.
void RequestRepaint();
// Asks the main window to place its legends again (e.g. when the information
// legend gains a line), once the current message is handled.
void RequestLayout();

// For the main window: the registered feature of a command, and telling the
// listeners.
bool RunFeatureCommand(int command, bool& changed);
void NotifyRepaintListeners();

}  // namespace veltrisko
