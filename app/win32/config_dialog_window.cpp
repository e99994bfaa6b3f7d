// SPDX-License-Identifier: MIT
#include "app/win32/config_dialog_window.h"

#include <array>
#include <memory>

#include "app/logic/process_objects.h"
#include "app/win32/win32_controls.h"
#include "dialog/config_dialog.h"

namespace veltrisko {

HWND configDialogWindow = nullptr;

namespace {

// The control numbers of one panel, in the panel's field order: edit field,
// type slider, P1..P4 sliders, type label, P1..P4 labels.
constexpr std::array<int, 11> kHorizontalControlIds = {1020, 1000, 1002, 1004, 1006, 1008,
                                                       1001, 1003, 1005, 1007, 1009};
constexpr std::array<int, 11> kVerticalControlIds = {1021, 1010, 1012, 1014, 1016, 1018,
                                                     1011, 1013, 1015, 1017, 1019};

// One open dialog: its window, its controls as the panels see them and the
// dialog logic; lives from WM_INITDIALOG to the window's last message.
class DialogBinding final : public DialogWindow {
 public:
  explicit DialogBinding(HWND dialog)
      : dialog_(dialog),
        dbRange_(GetDlgItem(dialog, kDbRangeSliderId)),
        logic_(*this, ProcessDialogTargets()) {}

  void Start() {
    PanelControls horizontal = Bind(kHorizontalControlIds, 0);
    PanelControls vertical = Bind(kVerticalControlIds, 1);
    logic_.OnInit(horizontal, vertical);
  }

  ConfigDialog& Logic() { return logic_; }

  void CheckButton(DialogControlId button) override {
    const bool version = button == kHcmV6ButtonId || button == kHcmV7ButtonId;
    CheckRadioButton(dialog_, version ? kHcmV6ButtonId : kLinearButtonId,
                     version ? kHcmV7ButtonId : kLogarithmicButtonId, button);
  }
  SliderControl& DbRangeSlider() override { return dbRange_; }
  void PostRepaintRequest() override { PostMessageW(GetParent(dialog_), WM_USER, 0, 0); }
  void EndDialog() override { ::EndDialog(dialog_, IDCANCEL); }

 private:
  PanelControls Bind(const std::array<int, 11>& ids, int panel) {
    auto& sliders = sliders_[panel];
    auto& texts = texts_[panel];
    auto item = [&](int i) { return GetDlgItem(dialog_, ids[static_cast<std::size_t>(i)]); };
    for (int i = 0; i < 5; ++i) sliders[i] = std::make_unique<TrackbarControl>(item(1 + i));
    texts[0] = std::make_unique<WindowTextControl>(item(0));
    for (int i = 0; i < 5; ++i) texts[1 + i] = std::make_unique<WindowTextControl>(item(6 + i));
    return PanelControls{texts[0].get(),   sliders[0].get(), sliders[1].get(), sliders[2].get(),
                         sliders[3].get(), sliders[4].get(), texts[1].get(),   texts[2].get(),
                         texts[3].get(),   texts[4].get(),   texts[5].get()};
  }

  HWND dialog_;
  TrackbarControl dbRange_;
  std::unique_ptr<TrackbarControl> sliders_[2][5];
  std::unique_ptr<WindowTextControl> texts_[2][6];
  ConfigDialog logic_;
};

DialogBinding* BindingOf(HWND dialog) {
  return reinterpret_cast<DialogBinding*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

INT_PTR CALLBACK ConfigDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    configDialogWindow = dialog;
    auto* binding = new DialogBinding(dialog);
    // Stored before the panels compose: writing the edit fields calls back.
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(binding));
    binding->Start();
    return TRUE;
  }
  DialogBinding* binding = BindingOf(dialog);
  if (binding == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      binding->Logic().OnCommand(LOWORD(wParam), HIWORD(wParam) == EN_CHANGE
                                                     ? DialogNotification::kEditChange
                                                     : DialogNotification::kClicked);
      return TRUE;
    case WM_HSCROLL:
      binding->Logic().OnScroll();
      return TRUE;
    case WM_CLOSE:
      binding->Logic().OnClose();
      configDialogWindow = nullptr;
      // The next "&Antennentyp" creates a new dialog.
      DestroyWindow(dialog);
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(dialog, DWLP_USER, 0);
      delete binding;
      if (configDialogWindow == dialog) configDialogWindow = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void OpenConfigDialog(HINSTANCE instance, HWND mainWindow) {
  const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(kConfigDialogTemplate),
                                         mainWindow, ConfigDialogProcedure, 0);
  if (dialog != nullptr) ShowWindow(dialog, SW_SHOWNORMAL);
}

}  // namespace veltrisko
