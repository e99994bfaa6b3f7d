// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// "Datei -> Diagramm exportieren… / importieren…": the file dialogs' titles
// and filter names and the messages of a failed export or import.

namespace veltrisko::texts {

inline constexpr Text kExportPatternTitle{"Diagramm exportieren", "Export pattern"};
inline constexpr Text kImportPatternTitle{"Diagramm importieren", "Import pattern"};
inline constexpr Text kPatternFilesFilter{"Diagramme", "Patterns"};
inline constexpr Text kAllFilesFilter{"Alle Dateien", "All files"};
// "… die Antennencodes 030EA00 / 020EA05 sind ungültig."
inline constexpr Text kInvalidCodesForExport{
    "Das Diagramm kann nicht exportiert werden: die Antennencodes ",
    "The pattern cannot be exported: the antenna codes "};
inline constexpr Text kInvalidCodesForExportEnd{" sind ungültig.", " are invalid."};
inline constexpr Text kExportFailed{"Das Diagramm kann nicht exportiert werden:",
                                    "The pattern cannot be exported:"};
inline constexpr Text kImportFailed{"Das Diagramm kann nicht gelesen werden:",
                                    "The pattern cannot be read:"};

inline constexpr std::array kPatternFileTexts{
    kExportPatternTitle,    kImportPatternTitle,       kPatternFilesFilter, kAllFilesFilter,
    kInvalidCodesForExport, kInvalidCodesForExportEnd, kExportFailed,       kImportFailed,
};

}  // namespace veltrisko::texts
