// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "text/menu_texts.h"

// The main menu and the accelerator table of both viewers as plain data: the
// Linux viewer builds its menu bar and shortcuts from these tables, and the
// Windows viewer's resource (menu 103, accelerators 103) holds the same
// entries, which a test compares.

namespace veltrisko {

enum Command : int {
  kCmdQuit = 40001,
  kCmdTiltUp = 40002,
  kCmdTiltDown = 40003,
  kCmdAzimuthLeft = 40004,
  kCmdAzimuthRight = 40005,
  kCmdElevationUp = 40006,
  kCmdElevationDown = 40007,
  kCmdResetView = 40008,
  kCmdVerticalDiagram = 40009,
  kCmdHorizontalDiagram = 40010,
  kCmdSurface = 40012,
  kCmdGrid = 40013,
  kCmdResolutionVeryCoarse = 40014,
  kCmdResolutionCoarse = 40015,
  kCmdResolutionStandard = 40016,
  kCmdResolutionFine = 40017,
  kCmdResolutionVeryFine = 40018,
  kCmdAntennaType = 40019,
  kCmdDocumentation = 40020,
  kCmdHorizontalCut = 40021,
  kCmdFalseColour = 40022,
  kCmdLegend = 40023,
  // Beyond the program's first menu: pattern files, analysis, the code fit and
  // the language.
  kCmdImportPattern = 40024,
  kCmdExportPattern = 40025,
  kCmdDiagrams = 40026,
  kCmdDifference = 40027,
  kCmdFitCode = 40028,
  kCmdUnpinReadout = 40029,
  kCmdCopyReadout = 40030,
  kCmdLanguageGerman = 40031,
  kCmdLanguageEnglish = 40032,
  kCmdAbout = 40033,
};

enum class MenuEntryKind {
  kPopup,   // starts a top-level popup; ends the previous one
  kItem,    // a command item of the current popup (or submenu)
  kToggle,  // an item with a check mark that its own feature keeps
  kSeparator,
  kSubmenu,     // starts a submenu inside the current popup
  kSubmenuEnd,  // ends the submenu
};

struct MenuEntry {
  MenuEntryKind kind;
  Text text;    // in both languages, UTF-8, '&' before the mnemonic
  int command;  // 0 where the entry carries none
  bool initiallyChecked;
};

inline constexpr std::array kMainMenu{
    MenuEntry{MenuEntryKind::kPopup, texts::kMenuFile, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuAntennaType, kCmdAntennaType, false},
    MenuEntry{MenuEntryKind::kSeparator, {}, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuImportPattern, kCmdImportPattern, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuExportPattern, kCmdExportPattern, false},
    MenuEntry{MenuEntryKind::kSeparator, {}, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuQuit, kCmdQuit, false},
    MenuEntry{MenuEntryKind::kPopup, texts::kMenuView, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuGrid, kCmdGrid, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuSurface, kCmdSurface, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuFalseColour, kCmdFalseColour, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuHorizontalDiagram, kCmdHorizontalDiagram, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuVerticalDiagram, kCmdVerticalDiagram, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuHorizontalCut, kCmdHorizontalCut, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuLegend, kCmdLegend, true},
    MenuEntry{MenuEntryKind::kSeparator, {}, 0, false},
    MenuEntry{MenuEntryKind::kSubmenu, texts::kMenuResolution, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuVeryCoarse, kCmdResolutionVeryCoarse, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuCoarse, kCmdResolutionCoarse, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuStandard, kCmdResolutionStandard, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuFine, kCmdResolutionFine, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuVeryFine, kCmdResolutionVeryFine, false},
    MenuEntry{MenuEntryKind::kSubmenuEnd, {}, 0, false},
    MenuEntry{MenuEntryKind::kSeparator, {}, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuDiagrams, kCmdDiagrams, false},
    MenuEntry{MenuEntryKind::kToggle, texts::kMenuDifference, kCmdDifference, false},
    MenuEntry{MenuEntryKind::kSeparator, {}, 0, false},
    MenuEntry{MenuEntryKind::kSubmenu, texts::kMenuLanguage, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuGerman, kCmdLanguageGerman, true},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuEnglish, kCmdLanguageEnglish, false},
    MenuEntry{MenuEntryKind::kSubmenuEnd, {}, 0, false},
    MenuEntry{MenuEntryKind::kPopup, texts::kMenuExtras, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuFitCode, kCmdFitCode, false},
    MenuEntry{MenuEntryKind::kPopup, texts::kMenuHelp, 0, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuDocumentation, kCmdDocumentation, false},
    MenuEntry{MenuEntryKind::kItem, texts::kMenuAbout, kCmdAbout, false},
};

enum class AcceleratorKey { kUp, kDown, kLeft, kRight, kPageUp, kPageDown, kHome, kEscape, kC };

struct Accelerator {
  AcceleratorKey key;
  bool control;  // with the Ctrl key
  int command;
};

inline constexpr std::array kAccelerators{
    Accelerator{AcceleratorKey::kUp, false, kCmdTiltUp},
    Accelerator{AcceleratorKey::kDown, false, kCmdTiltDown},
    Accelerator{AcceleratorKey::kLeft, false, kCmdAzimuthLeft},
    Accelerator{AcceleratorKey::kRight, false, kCmdAzimuthRight},
    Accelerator{AcceleratorKey::kPageUp, false, kCmdElevationUp},
    Accelerator{AcceleratorKey::kPageDown, false, kCmdElevationDown},
    Accelerator{AcceleratorKey::kHome, false, kCmdResetView},
    Accelerator{AcceleratorKey::kEscape, false, kCmdUnpinReadout},
    Accelerator{AcceleratorKey::kC, true, kCmdCopyReadout},
};

// The readout's context menu.
inline constexpr Text kCopyReadoutText = texts::kCopyReadout;

// The resolution items form one exclusive group: command and sampling step.
struct ResolutionChoice {
  int command;
  int step;
};

inline constexpr std::array kResolutionChoices{
    ResolutionChoice{kCmdResolutionVeryCoarse, 15}, ResolutionChoice{kCmdResolutionCoarse, 10},
    ResolutionChoice{kCmdResolutionStandard, 6},    ResolutionChoice{kCmdResolutionFine, 3},
    ResolutionChoice{kCmdResolutionVeryFine, 2},
};

// The language items form another exclusive group.
struct LanguageChoice {
  int command;
  Language language;
};

inline constexpr std::array kLanguageChoices{
    LanguageChoice{kCmdLanguageGerman, Language::kGerman},
    LanguageChoice{kCmdLanguageEnglish, Language::kEnglish},
};

}  // namespace veltrisko
