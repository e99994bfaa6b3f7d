// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

// The main menu and the accelerator table as plain data; the viewer builds
// its Qt menu bar and shortcuts from these tables.

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
};

enum class MenuEntryKind {
  kPopup,  // starts a top-level popup; ends the previous one
  kItem,   // a command item of the current popup (or submenu)
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
    MenuEntry{MenuEntryKind::kPopup, "&Hilfe", 0, false},
    MenuEntry{MenuEntryKind::kItem, "&Dokumentation", kCmdDocumentation, false},
};

enum class AcceleratorKey { kUp, kDown, kLeft, kRight, kPageUp, kPageDown, kHome };

struct Accelerator {
  AcceleratorKey key;  // no modifiers
  int command;
};

inline constexpr std::array kAccelerators{
    Accelerator{AcceleratorKey::kUp, kCmdTiltUp},
    Accelerator{AcceleratorKey::kDown, kCmdTiltDown},
    Accelerator{AcceleratorKey::kLeft, kCmdAzimuthLeft},
    Accelerator{AcceleratorKey::kRight, kCmdAzimuthRight},
    Accelerator{AcceleratorKey::kPageUp, kCmdElevationUp},
    Accelerator{AcceleratorKey::kPageDown, kCmdElevationDown},
    Accelerator{AcceleratorKey::kHome, kCmdResetView},
};

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
