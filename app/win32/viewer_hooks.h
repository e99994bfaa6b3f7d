// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>

#include "app/logic/legend_content.h"

namespace veltrisko {

// How the features of the Windows viewer (each in a file of its own) join the
// main window: they register the menu commands they carry out, the check
// marks they keep and what follows every repaint, and ask for repaints.

// Carries out a command of the shared menu table; returns whether the state
// changed so that the windows repaint.
using CommandHandler = std::function<bool()>;
void AddCommandHandler(int command, CommandHandler handler);
// The check mark of a command the feature keeps.
void AddCheckMark(int command, std::function<bool()> checked);
// Runs after every change of state, once the main window has been asked to
// repaint (other windows follow the picture).
void AddRepaintListener(std::function<void()> listener);

// Adds to what the information legend shows (e.g. the name of a loaded file).
void AddInfoLegendAddition(std::function<void(InfoLegendContent&)> addition);

// The main window, null before it exists.
HWND MainWindowHandle();
HINSTANCE ProgramInstance();
// Asks the picture, both legends and every listener to show the current
// state.
void RequestRepaint();
// Asks the main window to place its legends again (e.g. when the information
// legend gains a line), once the current message is handled.
void RequestLayout();

// For the main window: the registered feature of a command, the check mark
// of a command, and telling the listeners.
bool HasFeatureCommand(int command);
bool RunFeatureCommand(int command, bool& changed);
bool FeatureCheckMark(int command, bool& checked);
void NotifyRepaintListeners();
void AddToInfoLegend(InfoLegendContent& content);

}  // namespace veltrisko
