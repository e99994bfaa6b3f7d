// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_texts.h"

namespace veltrisko {

std::string FilterText(const FileFilter& filter) {
  return std::string(filter.name) + " (" + filter.patterns + ")";
}

std::string InvalidCodesForExportMessage(const std::string& horizontal,
                                         const std::string& vertical) {
  return "Das Diagramm kann nicht exportiert werden: die Antennencodes " + horizontal + " / " +
         vertical + " sind ungültig.";
}

std::string ExportFailedMessage(const std::string& problem) {
  return "Das Diagramm kann nicht exportiert werden:\n" + problem;
}

std::string ImportFailedMessage(const std::string& error) {
  return "Das Diagramm kann nicht gelesen werden:\n" + error;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace veltrisko
