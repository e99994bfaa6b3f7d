// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "app/logic/viewer_session.h"
#include "text/language.h"

namespace veltrisko {

// What the viewer keeps between runs, in Qt's settings file under the
// user's configuration folder (organisation and application "Veltrisko").
std::optional<Language> RememberedLanguage();

// The viewer session's settings, a value each under the session's names.
KeptSettings KeptSessionSettings();
void KeepSettings(const KeptSettings& settings);

// Makes Qt's own dialogs (file, print, message boxes) speak `language`:
// German from Qt's translations, English needs none.
void UseToolkitLanguage(Language language);

}  // namespace veltrisko
