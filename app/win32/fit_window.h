// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "interchange/pattern_file.h"

namespace veltrisko {

// "Extras -> Antennencode anpassen…": criterion, tolerance, number of codes,
// "Anpassen", one list per component (ListView) with the rows of the shared
// fit texts, the measured main direction, beamwidths and front-to-back ratio,
// and "Ausrichtung übernehmen". The search runs on a worker thread that posts
// its result; choosing a row puts its code into the configuration dialog as
// if typed. Opens the window for the loaded file, or brings it to the front.
void OpenFitWindow(HINSTANCE instance, HWND mainWindow, const std::string& fileName,
                   const PatternFile& file);

}  // namespace veltrisko
