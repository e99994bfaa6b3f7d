// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

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
  // Beyond the program's first menu: pattern files, analysis and the code fit.
  kCmdImportPattern = 40024,
  kCmdExportPattern = 40025,
  kCmdDiagrams = 40026,
  kCmdDifference = 40027,
  kCmdFitCode = 40028,
  kCmdUnpinReadout = 40029,
  kCmdCopyReadout = 40030,
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
  std::string_view text;  // UTF-8, '&' before the mnemonic
  int command;            // 0 where the entry carries none
  bool initiallyChecked;
};

inline constexpr std::array kMainMenu{
    MenuEntry{MenuEntryKind::kPopup, "&Datei", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&Antennentyp", kCmdAntennaType, false},
    MenuEntry{MenuEntryKind::kSeparator, "", 0, false},
    MenuEntry{MenuEntryKind::kItem, "Diagramm &importieren…", kCmdImportPattern, false},
    MenuEntry{MenuEntryKind::kItem, "Diagramm &exportieren…", kCmdExportPattern, false},
    MenuEntry{MenuEntryKind::kSeparator, "", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&Beenden", kCmdQuit, false},
    MenuEntry{MenuEntryKind::kPopup, "&Ansicht", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&Gitternetz", kCmdGrid, true},
    MenuEntry{MenuEntryKind::kItem, "&Oberfläche", kCmdSurface, true},
    MenuEntry{MenuEntryKind::kItem, "&Falschfarbendarstellung", kCmdFalseColour, true},
    MenuEntry{MenuEntryKind::kItem, "&horizontale Richtcharakteristik", kCmdHorizontalDiagram,
              true},
    MenuEntry{MenuEntryKind::kItem, "&vertikale Richtcharakteristik", kCmdVerticalDiagram, true},
    MenuEntry{MenuEntryKind::kItem, "horizontaler &Schnitt", kCmdHorizontalCut, true},
    MenuEntry{MenuEntryKind::kItem, "&Legende", kCmdLegend, true},
    MenuEntry{MenuEntryKind::kSeparator, "", 0, false},
    MenuEntry{MenuEntryKind::kSubmenu, "Auflösung", 0, false},
    MenuEntry{MenuEntryKind::kItem, "sehr grob", kCmdResolutionVeryCoarse, false},
    MenuEntry{MenuEntryKind::kItem, "grob", kCmdResolutionCoarse, false},
    MenuEntry{MenuEntryKind::kItem, "Standard", kCmdResolutionStandard, true},
    MenuEntry{MenuEntryKind::kItem, "fein", kCmdResolutionFine, false},
    MenuEntry{MenuEntryKind::kItem, "sehr fein", kCmdResolutionVeryFine, false},
    MenuEntry{MenuEntryKind::kSubmenuEnd, "", 0, false},
    MenuEntry{MenuEntryKind::kSeparator, "", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&2D-Diagramme", kCmdDiagrams, false},
    MenuEntry{MenuEntryKind::kToggle, "&Unterschied V6/V7", kCmdDifference, false},
    MenuEntry{MenuEntryKind::kPopup, "&Extras", 0, false},
    MenuEntry{MenuEntryKind::kItem, "Antennencode &anpassen…", kCmdFitCode, false},
    MenuEntry{MenuEntryKind::kPopup, "&Hilfe", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&Dokumentation", kCmdDocumentation, false},
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
inline constexpr std::string_view kCopyReadoutText = "Werte kopieren";

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

}  // namespace veltrisko
