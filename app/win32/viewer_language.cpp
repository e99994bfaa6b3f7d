// SPDX-License-Identifier: MIT
#include "app/win32/viewer_language.h"

#include <string>

#include "app/logic/main_menu.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {

namespace {

void SetItemText(HMENU menu, UINT item, bool byPosition, const Text& text, Language language) {
  std::wstring wide = Widen(std::string(In(language, text)));
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = wide.data();
  SetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info);
}

}  // namespace

void ShowMenuTexts(HMENU bar, Language language) {
  // Popups and submenus are found by position, the way the table lists
  // them; items by their command.
  int top = -1;
  HMENU popup = nullptr;
  UINT position = 0;
  bool inSubmenu = false;
  for (const MenuEntry& entry : kMainMenu) {
    switch (entry.kind) {
      case MenuEntryKind::kPopup:
        SetItemText(bar, static_cast<UINT>(++top), true, entry.text, language);
        popup = GetSubMenu(bar, top);
        position = 0;
        inSubmenu = false;
        break;
      case MenuEntryKind::kSubmenu:
        if (popup != nullptr) SetItemText(popup, position, true, entry.text, language);
        ++position;
        inSubmenu = true;
        break;
      case MenuEntryKind::kSubmenuEnd:
        inSubmenu = false;
        break;
      case MenuEntryKind::kSeparator:
        if (!inSubmenu) ++position;
        break;
      case MenuEntryKind::kItem:
      case MenuEntryKind::kToggle:
        SetItemText(bar, static_cast<UINT>(entry.command), false, entry.text, language);
        if (!inSubmenu) ++position;
        break;
    }
  }
}

}  // namespace veltrisko
