// SPDX-License-Identifier: MIT
// Reads menu 103 and accelerator table 103 out of a built program as Windows
// loads them and compares them with the shared tables:
//   menu_resource PROGRAM.exe
// Exit status 0 when both hold the tables' entries, in order, with the German
// texts, command numbers, check marks and keys; otherwise says what differs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/logic/main_menu.h"

namespace veltrisko {
namespace {

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(size > 0 ? size - 1 : 0, '\0');
  if (size > 1)
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

// One line per entry, "END" closing each popup, as the table reads.
std::vector<std::string> TableLines() {
  std::vector<std::string> lines;
  bool inPopup = false;
  for (const MenuEntry& entry : kMainMenu) {
    const std::string text(entry.text.de);
    switch (entry.kind) {
      case MenuEntryKind::kPopup:
        if (inPopup) lines.push_back("END");
        lines.push_back("POPUP " + text);
        inPopup = true;
        break;
      case MenuEntryKind::kSubmenu:
        lines.push_back("POPUP " + text);
        break;
      case MenuEntryKind::kSubmenuEnd:
        lines.push_back("END");
        break;
      case MenuEntryKind::kSeparator:
        lines.push_back("SEPARATOR");
        break;
      case MenuEntryKind::kItem:
      case MenuEntryKind::kToggle:
        lines.push_back("ITEM " + text + " " + std::to_string(entry.command) +
                        (entry.initiallyChecked ? " CHECKED" : ""));
        break;
    }
  }
  if (inPopup) lines.push_back("END");
  return lines;
}

// The same lines read from a loaded menu.
void MenuLines(HMENU menu, std::vector<std::string>& lines) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = L"";
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 255;
    if (!GetMenuItemInfoW(menu, i, TRUE, &item)) {
      lines.push_back("UNREADABLE");
      continue;
    }
    if (item.fType & MFT_SEPARATOR) {
      lines.push_back("SEPARATOR");
    } else if (item.hSubMenu) {
      lines.push_back("POPUP " + Narrow(text));
      MenuLines(item.hSubMenu, lines);
      lines.push_back("END");
    } else {
      lines.push_back("ITEM " + Narrow(text) + " " + std::to_string(item.wID) +
                      ((item.fState & MFS_CHECKED) ? " CHECKED" : ""));
    }
  }
}

WORD VirtualKey(AcceleratorKey key) {
  switch (key) {
    case AcceleratorKey::kUp:
      return VK_UP;
    case AcceleratorKey::kDown:
      return VK_DOWN;
    case AcceleratorKey::kLeft:
      return VK_LEFT;
    case AcceleratorKey::kRight:
      return VK_RIGHT;
    case AcceleratorKey::kPageUp:
      return VK_PRIOR;
    case AcceleratorKey::kPageDown:
      return VK_NEXT;
    case AcceleratorKey::kHome:
      return VK_HOME;
    case AcceleratorKey::kEscape:
      return VK_ESCAPE;
    case AcceleratorKey::kC:
      return 'C';
  }
  return 0;
}

std::string AcceleratorLine(WORD key, bool control, int command) {
  return "key " + std::to_string(key) + (control ? " Ctrl" : "") + " command " +
         std::to_string(command);
}

int Compare(const char* what, const std::vector<std::string>& built,
            const std::vector<std::string>& table) {
  int failures = 0;
  for (size_t i = 0; i < built.size() || i < table.size(); ++i) {
    const std::string got = i < built.size() ? built[i] : "(nothing)";
    const std::string wanted = i < table.size() ? table[i] : "(nothing)";
    if (got != wanted) {
      std::fprintf(stderr, "%s line %zu: \"%s\", the table has \"%s\"\n", what, i + 1, got.c_str(),
                   wanted.c_str());
      ++failures;
    }
  }
  return failures;
}

}  // namespace
}  // namespace veltrisko

int main(int argc, char** argv) {
  using namespace veltrisko;
  if (argc != 2) {
    std::fprintf(stderr, "usage: menu_resource PROGRAM.exe\n");
    return 2;
  }
  HMODULE program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HMENU menu = program ? LoadMenuW(program, MAKEINTRESOURCEW(103)) : nullptr;
  HACCEL accelerators = program ? LoadAcceleratorsW(program, MAKEINTRESOURCEW(103)) : nullptr;
  if (!menu || !accelerators) {
    std::fprintf(stderr, "%s: no menu 103 or no accelerator table 103\n", argv[1]);
    return 1;
  }
  std::vector<std::string> built;
  MenuLines(menu, built);
  int failures = Compare("menu 103", built, TableLines());

  std::vector<ACCEL> entries(CopyAcceleratorTableW(accelerators, nullptr, 0));
  CopyAcceleratorTableW(accelerators, entries.data(), static_cast<int>(entries.size()));
  std::vector<std::string> keys, tableKeys;
  for (const ACCEL& entry : entries) {
    keys.push_back(AcceleratorLine(entry.key, entry.fVirt & FCONTROL, entry.cmd) +
                   ((entry.fVirt & FVIRTKEY) ? "" : " not a virtual key"));
  }
  for (const Accelerator& accelerator : kAccelerators)
    tableKeys.push_back(
        AcceleratorLine(VirtualKey(accelerator.key), accelerator.control, accelerator.command));
  failures += Compare("accelerators 103", keys, tableKeys);
  return failures == 0 ? 0 : 1;
}
