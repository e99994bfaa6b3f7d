// SPDX-License-Identifier: MIT
#include "app/logic/documentation_target.h"

#include <filesystem>

#include "files/file_name.h"

namespace veltrisko {

namespace {

bool IsGerman(const std::string& languageCode) { return languageCode == "de"; }

}  // namespace

std::string UserGuideFileName(const std::string& languageCode) {
  return IsGerman(languageCode) ? "user-guide.de.html" : "user-guide.html";
}

DocumentationTarget DocumentationTargetOf(const std::string& host,
                                          const std::string& executableDirectory,
                                          const std::string& languageCode) {
  if (!host.empty())
    return {true, "https://" + host + "/hcm/" + (IsGerman(languageCode) ? "de/" : "")};
  const std::filesystem::path guide = std::filesystem::path(executableDirectory) /
                                      kUserGuideRelativeDirectory / UserGuideFileName(languageCode);
  return {false, guide.lexically_normal().string()};
}

DocumentationTarget DocumentationBesideProgram(const std::string& host,
                                               const std::string& programPath,
                                               const std::string& languageCode) {
  if (!host.empty()) return DocumentationTargetOf(host, "", languageCode);
  return {false, FolderOf(programPath) + UserGuideFileName(languageCode)};
}

std::string OpenDocumentationTarget(const DocumentationTarget& target,
                                    const std::function<bool(const std::string&)>& fileExists,
                                    const std::function<bool(const DocumentationTarget&)>& open,
                                    const std::string& languageCode) {
  const bool exists = target.isWebPage || fileExists(target.location);
  if (exists && open(target)) return {};
  return DocumentationUnavailableText(target, exists, languageCode);
}

std::string DocumentationUnavailableText(const DocumentationTarget& target, bool fileExists,
                                         const std::string& languageCode) {
  if (!IsGerman(languageCode)) {
    if (target.isWebPage)
      return "The documentation could not be opened. It is at " + target.location + ".";
    if (!fileExists) return "The user guide was not found. It belongs at " + target.location + ".";
    return "No web browser could be started. The user guide is at " + target.location + ".";
  }
  if (target.isWebPage)
    return "Die Dokumentation konnte nicht geöffnet werden. Sie steht unter " + target.location +
           ".";
  if (!fileExists)
    return "Die Benutzeranleitung wurde nicht gefunden. Sie gehört nach " + target.location + ".";
  return "Es konnte kein Browser gestartet werden. Die Benutzeranleitung liegt unter " +
         target.location + ".";
}

std::string DocumentationTitle(const std::string& languageCode) {
  return IsGerman(languageCode) ? "Dokumentation" : "Documentation";
}

std::string AboutText(const std::string& version, const std::string& guideLocation,
                      const std::string& languageCode) {
  if (languageCode == "en")
    return "Veltrisko " + version +
           "\nShows antenna radiation patterns given by HCM antenna codes.\n\n"
           "Licence: MIT (free to use, change and pass on, without warranty)\n"
           "User guide: " +
           guideLocation + "\n";
  return "Veltrisko " + version +
         "\nZeigt Antennendiagramme aus HCM-Antennencodes.\n\n"
         "Lizenz: MIT (frei zu nutzen, zu ändern und weiterzugeben, ohne Gewähr)\n"
         "Benutzeranleitung: " +
         guideLocation + "\n";
}

std::string AboutTitle(const std::string& languageCode) {
  return languageCode == "en" ? "About Veltrisko" : "Über Veltrisko";
}

}  // namespace veltrisko
