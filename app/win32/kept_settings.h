// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "app/logic/viewer_session.h"

namespace veltrisko {

// What the viewer keeps for the next start: text values under
// HKEY_CURRENT_USER\Software\Veltrisko ("Language", "MainWindow",
// "DiagramStyle"), UTF-8 here.
std::optional<std::string> KeptSetting(const wchar_t* name);
void KeepSetting(const wchar_t* name, const std::string& value);

// The viewer session's settings under the same key, a value each, named as
// the session names them with a capital first letter ("Language").
KeptSettings KeptSessionSettings();
void KeepSettings(const KeptSettings& settings);

}  // namespace veltrisko
