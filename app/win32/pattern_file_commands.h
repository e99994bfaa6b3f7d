// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace veltrisko {

// "Datei -> Diagramm importieren…" and "Datei -> Diagramm exportieren…"
// through the common file dialogs: an imported file's cuts join the 2-D
// window (opened) and its name the information legend; the export writes the
// pattern in force, CSV for ".csv" and MSI Planet otherwise. Problems are
// shown in a message box. "Extras -> Antennencode anpassen…" fits the loaded
// file (or offers to import one first). False for any other command.
bool RunPatternFileCommand(HINSTANCE instance, HWND mainWindow, int command);

// The loaded file's name, empty while none is loaded.
const std::string& LoadedPatternFileName();

}  // namespace veltrisko
