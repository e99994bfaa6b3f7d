// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The main menu's entries ('&' before the mnemonic) and the readout's
// context menu.

namespace veltrisko::texts {

inline constexpr Text kMenuFile{"&Datei", "&File"};
inline constexpr Text kMenuAntennaType{"&Antennentyp", "&Antenna type"};
inline constexpr Text kMenuImportPattern{"Diagramm &importieren…", "&Import pattern…"};
inline constexpr Text kMenuExportPattern{"Diagramm &exportieren…", "&Export pattern…"};
inline constexpr Text kMenuQuit{"&Beenden", "E&xit"};
inline constexpr Text kMenuView{"&Ansicht", "&View"};
inline constexpr Text kMenuGrid{"&Gitternetz", "&Grid"};
inline constexpr Text kMenuSurface{"&Oberfläche", "&Surface"};
inline constexpr Text kMenuFalseColour{"&Falschfarbendarstellung", "&False colour"};
inline constexpr Text kMenuHorizontalDiagram{"&horizontale Richtcharakteristik",
                                             "&Horizontal pattern"};
inline constexpr Text kMenuVerticalDiagram{"&vertikale Richtcharakteristik", "&Vertical pattern"};
inline constexpr Text kMenuHorizontalCut{"horizontaler &Schnitt", "Horizontal &cut"};
inline constexpr Text kMenuLegend{"&Legende", "&Legend"};
inline constexpr Text kMenuResolution{"Auflösung", "Resolution"};
inline constexpr Text kMenuVeryCoarse{"sehr grob", "very coarse"};
inline constexpr Text kMenuCoarse{"grob", "coarse"};
inline constexpr Text kMenuStandard{"Standard", "standard"};
inline constexpr Text kMenuFine{"fein", "fine"};
inline constexpr Text kMenuVeryFine{"sehr fein", "very fine"};
inline constexpr Text kMenuDiagrams{"&2D-Diagramme", "&2-D diagrams"};
inline constexpr Text kMenuDifference{"&Unterschied V6/V7", "&Difference V6/V7"};
inline constexpr Text kMenuLanguage{"S&prache", "La&nguage"};
// Each language is named in its own words, in either language.
inline constexpr Text kMenuGerman{"Deutsch", "Deutsch"};
inline constexpr Text kMenuEnglish{"English", "English"};
inline constexpr Text kMenuExtras{"&Extras", "&Tools"};
inline constexpr Text kMenuFitCode{"Antennencode &anpassen…", "&Fit antenna code…"};
inline constexpr Text kMenuHelp{"&Hilfe", "&Help"};
inline constexpr Text kMenuDocumentation{"&Dokumentation", "&Documentation"};
inline constexpr Text kMenuAbout{"Ü&ber Veltrisko", "&About Veltrisko"};
inline constexpr Text kCopyReadout{"Werte kopieren", "Copy values"};

inline constexpr std::array kMenuTexts{
    kMenuFile,
    kMenuAntennaType,
    kMenuImportPattern,
    kMenuExportPattern,
    kMenuQuit,
    kMenuView,
    kMenuGrid,
    kMenuSurface,
    kMenuFalseColour,
    kMenuHorizontalDiagram,
    kMenuVerticalDiagram,
    kMenuHorizontalCut,
    kMenuLegend,
    kMenuResolution,
    kMenuVeryCoarse,
    kMenuCoarse,
    kMenuStandard,
    kMenuFine,
    kMenuVeryFine,
    kMenuDiagrams,
    kMenuDifference,
    kMenuLanguage,
    kMenuGerman,
    kMenuEnglish,
    kMenuExtras,
    kMenuFitCode,
    kMenuHelp,
    kMenuDocumentation,
    kMenuAbout,
    kCopyReadout,
};

}  // namespace veltrisko::texts
