// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QWidget;

namespace veltrisko {

// "&Dokumentation": opens the web page on the documentation host the build
// names, or else the user guide installed beside the program, in the language
// of LANGUAGECODE ("de" or "en"); when that is not possible, a message box
// tells where the guide is.
void OpenDocumentation(QWidget* parent, const std::string& languageCode);
// "Hilfe -> Über Veltrisko": version, licence and the guide's place.
void ShowAbout(QWidget* parent, const std::string& languageCode);

}  // namespace veltrisko
