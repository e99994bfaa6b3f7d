// SPDX-License-Identifier: MIT
// Writes the Windows viewer's menu 103 and accelerator table 103 as a resource
// script made from the shared tables (app/logic/main_menu.h), for
// resources/veltrisko.rc to include. Runs on the build machine, also in the
// cross build: it needs the tables' headers and the standard library only.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "app/logic/main_menu.h"

namespace veltrisko {
namespace {

// A resource string: doubled quotes inside.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string_view KeyName(AcceleratorKey key) {
  switch (key) {
    case AcceleratorKey::kUp:
      return "VK_UP";
    case AcceleratorKey::kDown:
      return "VK_DOWN";
    case AcceleratorKey::kLeft:
      return "VK_LEFT";
    case AcceleratorKey::kRight:
      return "VK_RIGHT";
    case AcceleratorKey::kPageUp:
      return "VK_PRIOR";
    case AcceleratorKey::kPageDown:
      return "VK_NEXT";
    case AcceleratorKey::kHome:
      return "VK_HOME";
    case AcceleratorKey::kEscape:
      return "VK_ESCAPE";
    case AcceleratorKey::kC:
      return "\"C\"";
  }
  return {};
}

// The menu in German, the language the program starts in; the viewer sets
// the texts of the language in force itself.
std::string MenuScript() {
  std::string script = "103 MENU\nBEGIN\n";
  bool inPopup = false;
  bool inSubmenu = false;
  const auto indent = [&] { return std::string(inSubmenu ? 6 : 4, ' '); };
  for (const MenuEntry& entry : kMainMenu) {
    switch (entry.kind) {
      case MenuEntryKind::kPopup:
        if (inPopup) script += "  END\n";
        script += "  POPUP " + Quoted(entry.text.de) + "\n  BEGIN\n";
        inPopup = true;
        break;
      case MenuEntryKind::kSubmenu:
        script += "    POPUP " + Quoted(entry.text.de) + "\n    BEGIN\n";
        inSubmenu = true;
        break;
      case MenuEntryKind::kSubmenuEnd:
        script += "    END\n";
        inSubmenu = false;
        break;
      case MenuEntryKind::kSeparator:
        script += indent() + "MENUITEM SEPARATOR\n";
        break;
      case MenuEntryKind::kItem:
      case MenuEntryKind::kToggle:
        script += indent() + "MENUITEM " + Quoted(entry.text.de) + ", " +
                  std::to_string(entry.command) + (entry.initiallyChecked ? ", CHECKED" : "") +
                  "\n";
        break;
    }
  }
  if (inPopup) script += "  END\n";
  return script + "END\n";
}

std::string AcceleratorScript() {
  std::string script = "103 ACCELERATORS\nBEGIN\n";
  for (const Accelerator& accelerator : kAccelerators)
    script += "  " + std::string(KeyName(accelerator.key)) + ", " +
              std::to_string(accelerator.command) + ", VIRTKEY" +
              (accelerator.control ? ", CONTROL" : "") + ", NOINVERT\n";
  return script + "END\n";
}

}  // namespace
}  // namespace veltrisko

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: menu_resource OUTPUT.rc\n";
    return 2;
  }
  const std::string script =
      "// Made from app/logic/main_menu.h by resources/menu_resource.cpp.\n\n" +
      veltrisko::MenuScript() + "\n" + veltrisko::AcceleratorScript();
  // Written beside and renamed, so that an interrupted build leaves no half file.
  const std::string partial = std::string(argv[1]) + ".partial";
  std::ofstream out(partial, std::ios::binary);
  out << script;
  out.close();
  if (!out || std::rename(partial.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
