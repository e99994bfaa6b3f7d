// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "text/language.h"

namespace veltrisko {

// Writes the shared menu table's texts in `language` into the loaded menu
// (the resource holds the German ones), keeping check marks and states.
void ShowMenuTexts(HMENU bar, Language language);

}  // namespace veltrisko
