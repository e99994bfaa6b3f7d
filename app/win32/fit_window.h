// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

// "Extras -> Antennencode anpassen…": criterion, tolerance, number of codes,
// "Anpassen", and one list per component (ListView) with the rows of the
// shared fit texts. The search runs on a worker thread that posts its result;
// choosing a row puts its code into the configuration dialog as if typed.
// Opens the window for the loaded file's cuts, or brings it to the front.
void OpenFitWindow(HINSTANCE instance, HWND mainWindow, const std::string& fileName,
                   const std::optional<CutLosses>& horizontal,
                   const std::optional<CutLosses>& vertical);

}  // namespace veltrisko
