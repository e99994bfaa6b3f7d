// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "files/file_name.h"
#include "text/file_problem.h"
#include "text/pattern_file_texts.h"

namespace veltrisko {

// The texts of "Datei -> Diagramm exportieren… / importieren…", the same in
// both viewers.
inline constexpr const char* kPatternMessageTitle = "Veltrisko";

// A file dialog's filter: its name and its patterns, blank separated.
struct FileFilter {
  Text name;
  const char* patterns;
  const char* defaultExtension;  // without the dot; empty for none
};
inline constexpr FileFilter kMsiFilter{{"MSI Planet", "MSI Planet"}, "*.msi *.pln", "msi"};
inline constexpr FileFilter kCsvFilter{{"CSV", "CSV"}, "*.csv", "csv"};
// What "Diagramm exportieren…" offers.
inline constexpr FileFilter kExportFilters[] = {kMsiFilter, kCsvFilter};
// What "Diagramm importieren…" offers: every format it reads, then each.
inline constexpr FileFilter kImportFilters[] = {
    {texts::kPatternFilesFilter,
     "*.msi *.pln *.txt *.prn *.adf *.pat *.ant *.csv *.MSI *.PLN *.TXT *.PRN *.ADF *.PAT *.ANT "
     "*.CSV",
     ""},
    {{"MSI Planet", "MSI Planet"}, "*.msi *.pln *.txt *.prn *.MSI *.PLN *.TXT *.PRN", ""},
    {{"NSMA", "NSMA"}, "*.adf *.ADF", ""},
    {{"EDX", "EDX"}, "*.pat *.PAT", ""},
    {{"Radio Mobile", "Radio Mobile"}, "*.ant *.ANT", ""},
    {{"CSV", "CSV"}, "*.csv *.CSV", ""},
    {texts::kAllFilesFilter, "*", ""},
};

// "MSI Planet (*.msi *.pln)"
std::string FilterText(const FileFilter& filter, Language language = kDefaultLanguage);

// The messages of a failed export or import: what failed, then why, in the
// same language.
std::string InvalidCodesForExportMessage(const std::string& horizontal, const std::string& vertical,
                                         Language language = kDefaultLanguage);
std::string ExportFailedMessage(const std::string& problem, Language language = kDefaultLanguage);
std::string ExportFailedMessage(const FileProblem& problem, Language language = kDefaultLanguage);
std::string ImportFailedMessage(const FileProblem& problem, Language language = kDefaultLanguage);

// The path chosen in "Diagramm exportieren…"'s save dialog with the
// extension of the type chosen there (an index into kExportFilters) when
// the name has none: the extension says which format is written.
std::string ExportPathFor(const std::string& chosen, std::size_t filter);

}  // namespace veltrisko
