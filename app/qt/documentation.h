// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace veltrisko {

// "&Dokumentation": opens the web page on the documentation host the build
// names, or else the user guide installed beside the program; when that is
// not possible, a message box tells where the guide is.
void OpenDocumentation(QWidget* parent);

}  // namespace veltrisko
