// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace veltrisko {

// What "&Dokumentation" opens: the web page on the documentation host when
// the build names one, otherwise the user guide installed beside the program;
// either in the language of the user interface.
struct DocumentationTarget {
  bool isWebPage;
  std::string location;  // the address, or the guide's file path
};

// The installed guides' folder relative to the directory of the executable.
inline constexpr const char* kUserGuideRelativeDirectory = "../share/doc/veltrisko";

// The guide's file name for a language code: "user-guide.de.html" for "de";
// "user-guide.html", the English original, for "en" and any language that has
// no guide of its own.
std::string UserGuideFileName(const std::string& languageCode);

// The web page is https://HOST/hcm/ in English and https://HOST/hcm/de/ in
// German. The user interface speaks German unless told otherwise.
DocumentationTarget DocumentationTargetOf(const std::string& host,
                                          const std::string& executableDirectory,
                                          const std::string& languageCode = "de");

// The same where the guide lies beside the program, as the Windows zip and
// installer put it: `programPath` is the program's file (UTF-8, either
// slash).
DocumentationTarget DocumentationBesideProgram(const std::string& host,
                                               const std::string& programPath,
                                               const std::string& languageCode = "de");

// "&Dokumentation": opens `target` with `open` where it can be (a web page,
// or a guide file that exists); returns the message to show when that
// failed, empty when it opened.
std::string OpenDocumentationTarget(const DocumentationTarget& target,
                                    const std::function<bool(const std::string&)>& fileExists,
                                    const std::function<bool(const DocumentationTarget&)>& open,
                                    const std::string& languageCode = "de");

// The message shown when the guide cannot be opened, and its box's title, in
// the language of `languageCode` ("de" or "en").
std::string DocumentationUnavailableText(const DocumentationTarget& target, bool fileExists,
                                         const std::string& languageCode = "de");
std::string DocumentationTitle(const std::string& languageCode = "de");

// "Hilfe -> Über Veltrisko": the version, the licence and where the guide is
// (its web address or file), in the language of `languageCode`.
std::string AboutText(const std::string& version, const std::string& guideLocation,
                      const std::string& languageCode = "de");
std::string AboutTitle(const std::string& languageCode = "de");

}  // namespace veltrisko
