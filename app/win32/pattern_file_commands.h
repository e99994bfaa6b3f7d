// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace veltrisko {

// "Datei -> Diagramm importieren…" and "Datei -> Diagramm exportieren…"
// through the common file dialogs: an imported file's cuts join the 2-D
// window (opened) and its name the information legend; the export writes
// the pattern in force, CSV for ".csv" and MSI Planet otherwise; problems
// are shown in a message box.
void AskAndImportPattern();
void AskAndExportPattern();

// Imports a file as "Diagramm importieren…" does once it is chosen (for a
// file given on the command line); a message box says why it cannot be read.
// True when it was imported.
bool ImportPatternFile(const std::string& path);

// A warning about a pattern file or an export, in a message box of `owner`.
void ShowFileProblem(HWND owner, const std::string& text);

}  // namespace veltrisko
