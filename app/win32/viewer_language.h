// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>

#include "text/language.h"

namespace veltrisko {

// Kept in HKEY_CURRENT_USER\Software\Veltrisko, value "Language" ("de", "en").
std::optional<Language> RememberedLanguage();
void RememberLanguage(Language language);

// Writes the shared menu table's texts in `language` into the loaded menu
// (the resource holds the German ones), keeping check marks and states.
void ShowMenuTexts(HMENU bar, Language language);

}  // namespace veltrisko
