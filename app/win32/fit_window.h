// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace veltrisko {

// "Extras -> Antennencode anpassen…": criterion, tolerance, number of codes,
// "Anpassen", one list per component (ListView) with the rows of the shared
// fit texts, the measured main direction, beamwidths and front-to-back ratio,
// and "Ausrichtung übernehmen". The search runs on a worker thread that posts
// its result; choosing a row puts its code into the configuration dialog as
// if typed. Opens the window for the loaded file, or brings it to the front;
// the open window follows the language and a file loaded later.
void OpenFitWindow(HINSTANCE instance, HWND mainWindow);

// Follows a change of the viewer's language, or a file loaded, at once;
// call after every change.
void RefreshFitWindow();

}  // namespace veltrisko
