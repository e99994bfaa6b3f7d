// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko {

// The texts of "Datei -> Diagramm exportieren… / importieren…", the same in
// both viewers.
inline constexpr const char* kPatternMessageTitle = "Veltrisko";
inline constexpr const char* kExportPatternTitle = "Diagramm exportieren";
inline constexpr const char* kImportPatternTitle = "Diagramm importieren";

// A file dialog's filter: its name and its patterns, blank separated.
struct FileFilter {
  const char* name;
  const char* patterns;
  const char* defaultExtension;  // without the dot; empty for none
};
inline constexpr FileFilter kMsiFilter{"MSI Planet", "*.msi *.pln", "msi"};
inline constexpr FileFilter kCsvFilter{"CSV", "*.csv", "csv"};
// What "Diagramm importieren…" offers: every format it reads, then each.
inline constexpr FileFilter kImportFilters[] = {
    {"Diagramme",
     "*.msi *.pln *.txt *.prn *.adf *.pat *.ant *.csv *.MSI *.PLN *.TXT *.PRN *.ADF *.PAT *.ANT "
     "*.CSV",
     ""},
    {"MSI Planet", "*.msi *.pln *.txt *.prn *.MSI *.PLN *.TXT *.PRN", ""},
    {"NSMA", "*.adf *.ADF", ""},
    {"EDX", "*.pat *.PAT", ""},
    {"Radio Mobile", "*.ant *.ANT", ""},
    {"CSV", "*.csv *.CSV", ""},
    {"Alle Dateien", "*", ""},
};

// "MSI Planet (*.msi *.pln)"
std::string FilterText(const FileFilter& filter);

// The messages of a failed export or import.
std::string InvalidCodesForExportMessage(const std::string& horizontal,
                                         const std::string& vertical);
std::string ExportFailedMessage(const std::string& problem);
std::string ImportFailedMessage(const std::string& error);

// The file's name without its folders (either slash), as the legend and the
// 2-D window name a loaded file.
std::string FileNameOf(const std::string& path);

}  // namespace veltrisko
