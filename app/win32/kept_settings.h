// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace veltrisko {

// What the viewer keeps for the next start: text values under
// HKEY_CURRENT_USER\Software\Veltrisko ("Language", "MainWindow",
// "DiagramStyle"), UTF-8 here.
std::optional<std::string> KeptSetting(const wchar_t* name);
void KeepSetting(const wchar_t* name, const std::string& value);

}  // namespace veltrisko
