// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace veltrisko {

// "&Dokumentation": the web page on the documentation host when the build
// names one, otherwise the user guide beside the program, in the language of
// LANGUAGECODE ("de" or "en"), opened with the shell's default handler; when
// that fails, a message box says where it is.
void OpenDocumentation(HWND owner, const std::string& languageCode);
// "Hilfe -> Über Veltrisko": version, licence and the guide's place.
void ShowAbout(HWND owner, const std::string& languageCode);

}  // namespace veltrisko
