// SPDX-License-Identifier: MIT
// The resource script of the Windows viewer's menu and accelerators, as the
// build writes it (resources/menu_resource.cpp), holds the same entries as the
// shared tables the Linux viewer builds its menu from, read here on their own.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/logic/main_menu.h"

namespace veltrisko {
namespace {

// The menu and the accelerators are written by the build; the dialog
// template is kept by hand in the resource script beside them.
std::string ResourceBlock(const std::string& heading,
                          const char* script = VELTRISKO_RESOURCE_FILE) {
  std::ifstream file(script);
  std::stringstream text;
  text << file.rdbuf();
  const std::string all = text.str();
  const size_t start = all.find("\n" + heading + "\n");
  EXPECT_NE(start, std::string::npos) << heading;
  if (start == std::string::npos) return {};
  // The block ends at the first "END" that closes its outermost BEGIN.
  std::istringstream lines(all.substr(start + heading.size() + 2));
  std::string line, block;
  int depth = 0;
  while (std::getline(lines, line)) {
    const std::string word = std::regex_replace(line, std::regex("^\\s+|\\s+$"), "");
    if (word == "BEGIN") {
      ++depth;
    } else if (word == "END") {
      if (--depth == 0) break;
    } else {
      block += word + "\n";
    }
  }
  return block;
}

// One line per entry in the resource's own words.
std::vector<std::string> TableAsResourceLines() {
  std::vector<std::string> lines;
  for (const MenuEntry& entry : kMainMenu) {
    const std::string text(entry.text.de);
    switch (entry.kind) {
      case MenuEntryKind::kPopup:
      case MenuEntryKind::kSubmenu:
        lines.push_back("POPUP \"" + text + "\"");
        break;
      case MenuEntryKind::kSeparator:
        lines.push_back("MENUITEM SEPARATOR");
        break;
      case MenuEntryKind::kItem:
      case MenuEntryKind::kToggle:
        lines.push_back("MENUITEM \"" + text + "\", " + std::to_string(entry.command) +
                        (entry.initiallyChecked ? ", CHECKED" : ""));
        break;
      case MenuEntryKind::kSubmenuEnd:
        break;
    }
  }
  return lines;
}

std::vector<std::string> Lines(const std::string& block) {
  std::vector<std::string> lines;
  std::istringstream stream(block);
  for (std::string line; std::getline(stream, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

TEST(MenuResourceTest, MenuHoldsTheSharedTable) {
  EXPECT_EQ(Lines(ResourceBlock("103 MENU")), TableAsResourceLines());
}

TEST(MenuResourceTest, AcceleratorsHoldTheSharedTable) {
  const auto keyName = [](const Accelerator& accelerator) -> std::string {
    switch (accelerator.key) {
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
    return "?";
  };
  std::vector<std::string> expected;
  for (const Accelerator& accelerator : kAccelerators)
    expected.push_back(keyName(accelerator) + ", " + std::to_string(accelerator.command) +
                       ", VIRTKEY" + (accelerator.control ? ", CONTROL" : "") + ", NOINVERT");
  EXPECT_EQ(Lines(ResourceBlock("103 ACCELERATORS")), expected);
}

// Tab stops only on controls that take the focus: a group box's stop is an
// invisible stop between the rule and the display-mode groups.
TEST(DialogResource, NoGroupBoxIsATabStop) {
  std::istringstream lines(
      ResourceBlock("107 DIALOGEX 600, 400, 453, 247", VELTRISKO_DIALOG_RESOURCE_FILE));
  int groupBoxes = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("GROUPBOX", 0) != 0) continue;
    ++groupBoxes;
    EXPECT_EQ(line.find("WS_TABSTOP"), std::string::npos) << line;
  }
  EXPECT_EQ(groupBoxes, 4);
}

}  // namespace
}  // namespace veltrisko
