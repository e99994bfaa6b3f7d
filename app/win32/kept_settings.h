// SPDX-License-Identifier: MIT
#pragma once

#include "app/logic/viewer_session.h"

namespace veltrisko {

// The viewer session's settings, text values under
// HKEY_CURRENT_USER\Software\Veltrisko, a value each, named as the session
// names them with a capital first letter ("Language", "DiagramStyle",
// "MainWindow").
KeptSettings KeptSessionSettings();
void KeepSettings(const KeptSettings& settings);

}  // namespace veltrisko
