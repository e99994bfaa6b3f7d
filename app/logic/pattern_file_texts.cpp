// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_texts.h"

namespace veltrisko {

std::string FilterText(const FileFilter& filter, Language language) {
  return InString(language, filter.name) + " (" + filter.patterns + ")";
}

std::string InvalidCodesForExportMessage(const std::string& horizontal, const std::string& vertical,
                                         Language language) {
  return InString(language, texts::kInvalidCodesForExport) + horizontal + " / " + vertical +
         InString(language, texts::kInvalidCodesForExportEnd);
}

std::string ExportFailedMessage(const std::string& problem, Language language) {
  return InString(language, texts::kExportFailed) + "\n" + problem;
}

std::string ExportFailedMessage(const FileProblem& problem, Language language) {
  return ExportFailedMessage(FileProblemText(problem, language), language);
}

std::string ImportFailedMessage(const FileProblem& problem, Language language) {
  return InString(language, texts::kImportFailed) + "\n" + FileProblemText(problem, language);
}

std::string ExportPathFor(const std::string& chosen, std::size_t filter) {
  return filter < std::size(kExportFilters)
             ? WithExtensionIfNone(chosen, kExportFilters[filter].defaultExtension)
             : chosen;
}

}  // namespace veltrisko
