// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko {

// What "&Dokumentation" opens: the web page on the documentation host when
// the build names one, otherwise the user guide installed beside the program.
struct DocumentationTarget {
  bool isWebPage;
  std::string location;  // the address, or the guide's file path
};

// The guide's place relative to the directory of the executable.
inline constexpr const char* kUserGuideRelativePath = "../share/doc/veltrisko/user-guide.html";

DocumentationTarget DocumentationTargetOf(const std::string& host,
                                          const std::string& executableDirectory);

// The message shown when the guide cannot be opened.
std::string DocumentationUnavailableText(const DocumentationTarget& target, bool fileExists);

}  // namespace veltrisko
