// SPDX-License-Identifier: MIT
#include "app/win32/config_dialog_window.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "app/logic/config_dialog_view.h"
#include "app/logic/dialog_placement.h"
#include "app/logic/process_objects.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/viewer_language.h"
#include "app/win32/win32_controls.h"
#include "app/win32/window_text_dumps.h"
#include "dialog/config_dialog.h"
#include "dialog/pasted_code.h"
#include "text/dialog_texts.h"

namespace veltrisko {

HWND configDialogWindow = nullptr;

namespace {

// The control numbers of one panel, in the panel's field order: edit field,
// type slider, P1..P4 sliders, type label, P1..P4 labels.
constexpr std::array<int, 11> kHorizontalControlIds = {1020, 1000, 1002, 1004, 1006, 1008,
                                                       1001, 1003, 1005, 1007, 1009};
constexpr std::array<int, 11> kVerticalControlIds = {1021, 1010, 1012, 1014, 1016, 1018,
                                                     1011, 1013, 1015, 1017, 1019};
// The value texts beside the type and P1..P4 sliders, and beside the dB range.
constexpr std::array<int, 5> kHorizontalValueIds = {1027, 1028, 1029, 1030, 1031};
constexpr std::array<int, 5> kVerticalValueIds = {1032, 1033, 1034, 1035, 1036};
constexpr int kDbRangeValueId = 1037;

// One open dialog: its window, its controls as the panels see them and the
// dialog logic; lives from WM_INITDIALOG to the window's last message.
class DialogBinding final : public DialogWindow {
 public:
  explicit DialogBinding(HWND dialog)
      : dialog_(dialog),
        dbRange_(GetDlgItem(dialog, kDbRangeSliderId)),
        logic_(*this, ProcessDialogTargets()) {}

  // The template's German texts of the title, the frames and the buttons, in
  // the language in force; the panels write their own labels.
  void ShowTexts() {
    const auto set = [](HWND control, const Text& text) {
      SetWindowTextW(control, Widen(std::string(In(Session().TextLanguage(), text))).c_str());
    };
    set(dialog_, texts::kDialogTitle);
    // The frames carry no number: they are the group boxes in template order.
    const Text* frames[] = {&texts::kHorizontalType, &texts::kVerticalType, &texts::kCombination,
                            &texts::kDisplayMode};
    std::size_t frame = 0;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr && frame < std::size(frames);
         child = GetWindow(child, GW_HWNDNEXT)) {
      if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
          GetDlgCtrlID(child) == -1)
        set(child, *frames[frame++]);
    }
    set(GetDlgItem(dialog_, kLinearButtonId), texts::kLinear);
    set(GetDlgItem(dialog_, kLogarithmicButtonId), texts::kLogarithmic);
  }

  void Start() {
    for (const int edit : {kHorizontalControlIds[0], kVerticalControlIds[0]})
      SendDlgItemMessageW(dialog_, edit, EM_SETLIMITTEXT, kCodeFieldMaxLength, 0);
    PanelControls horizontal = Bind(kHorizontalControlIds, 0);
    PanelControls vertical = Bind(kVerticalControlIds, 1);
    logic_.OnInit(horizontal, vertical);
    // The panels write their fixed labels only once bound to the controls.
    horizontalPanel.SetLanguage(Session().TextLanguage());
    verticalPanel.SetLanguage(Session().TextLanguage());
  }

  ConfigDialog& Logic() { return logic_; }

  // Shows what the sliders' positions mean and whether each typed code is in
  // force; after every event the dialog handles.
  void ShowState() {
    const ConfigDialogView view = ConfigDialogViewOf(logic_.State(), Session().TextLanguage());
    ShowPanelState(kHorizontalControlIds[0], kHorizontalValueIds, view.horizontal, 0);
    ShowPanelState(kVerticalControlIds[0], kVerticalValueIds, view.vertical, 1);
    ShowValue(kDbRangeValueId, view.dbRangeText, view.dbRangeShown);
    DumpText("dialog", DescribeConfigDialogView(view));
    DumpControlTexts(dialog_, "dialog-controls");
  }

  // The edit field's background while its code is not in force or rejected;
  // null: the usual one.
  HBRUSH TintBrush(HWND edit) const {
    for (int panel = 0; panel < 2; ++panel) {
      if (edit ==
          GetDlgItem(dialog_, (panel == 0 ? kHorizontalControlIds : kVerticalControlIds)[0]))
        return tintBrushes_[panel];
    }
    return nullptr;
  }

  ~DialogBinding() override {
    for (HBRUSH brush : tintBrushes_) {
      if (brush != nullptr) DeleteObject(brush);
    }
    if (toolTip_ != nullptr) DestroyWindow(toolTip_);
  }

  void CheckButton(DialogControlId button) override {
    const bool version = button == kHcmV6ButtonId || button == kHcmV7ButtonId;
    CheckRadioButton(dialog_, version ? kHcmV6ButtonId : kLinearButtonId,
                     version ? kHcmV7ButtonId : kLogarithmicButtonId, button);
  }
  SliderControl& DbRangeSlider() override { return dbRange_; }
  void PostRepaintRequest() override { PostMessageW(GetParent(dialog_), WM_USER, 0, 0); }
  void EndDialog() override { ::EndDialog(dialog_, IDCANCEL); }

 private:
  void ShowValue(int id, const std::string& text, bool shown) {
    const HWND value = GetDlgItem(dialog_, id);
    SetWindowTextW(value, Widen(text).c_str());
    ShowWindow(value, shown ? SW_SHOW : SW_HIDE);
  }

  void ShowPanelState(int editId, const std::array<int, 5>& valueIds, const PanelView& view,
                      int index) {
    for (std::size_t i = 0; i < valueIds.size(); ++i)
      ShowValue(valueIds[i], view.valueTexts[i], view.valueShown[i]);
    const HWND edit = GetDlgItem(dialog_, editId);
    HBRUSH& brush = tintBrushes_[index];
    if (brush != nullptr) DeleteObject(brush);
    brush = view.codeTint ? CreateSolidBrush(*view.codeTint) : nullptr;
    tintColours_[index] = view.codeTint.value_or(0);
    if (toolTip_ == nullptr) toolTip_ = CreateToolTips(dialog_);
    SetToolTip(toolTip_, edit, view.codeToolTip);
    InvalidateRect(edit, nullptr, TRUE);
  }

 public:
  COLORREF TintColour(HWND edit) const {
    return edit == GetDlgItem(dialog_, kHorizontalControlIds[0]) ? tintColours_[0]
                                                                 : tintColours_[1];
  }

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
  HBRUSH tintBrushes_[2] = {nullptr, nullptr};
  COLORREF tintColours_[2] = {0, 0};
  HWND toolTip_ = nullptr;
};

// A dialog opened without activation leaves its owner active, so that the
// keys turn the view at once. A window manager that focuses every window it
// maps offers the dialog the focus all the same; while the dialog cannot be
// activated the focus goes to the active window instead. It can be once the
// window manager has had that time, or at once when it is clicked.
constexpr UINT_PTR kActivatableTimer = 1;
constexpr UINT kWindowManagerPatienceMs = 2000;

void MakeActivatable(HWND dialog) {
  KillTimer(dialog, kActivatableTimer);
  SetWindowLongPtrW(dialog, GWL_EXSTYLE,
                    GetWindowLongPtrW(dialog, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_NOACTIVATE});
}

DialogBinding* BindingOf(HWND dialog) {
  return reinterpret_cast<DialogBinding*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

INT_PTR CALLBACK ConfigDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    configDialogWindow = dialog;
    auto* binding = new DialogBinding(dialog);
    // Stored before the panels compose: writing the edit fields calls back.
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(binding));
    if (Session().TextLanguage() != Language::kGerman) binding->ShowTexts();
    binding->Start();
    binding->ShowState();
    return TRUE;
  }
  DialogBinding* binding = BindingOf(dialog);
  if (binding == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      binding->Logic().OnCommand(LOWORD(wParam), HIWORD(wParam) == EN_CHANGE
                                                     ? DialogNotification::kEditChange
                                                     : DialogNotification::kClicked);
      if (BindingOf(dialog) != nullptr) binding->ShowState();
      return TRUE;
    case WM_HSCROLL:
      binding->Logic().OnScroll();
      binding->ShowState();
      return TRUE;
    case WM_CTLCOLOREDIT: {
      const HWND edit = reinterpret_cast<HWND>(lParam);
      const HBRUSH brush = binding->TintBrush(edit);
      if (brush == nullptr) return FALSE;
      SetBkColor(reinterpret_cast<HDC>(wParam), binding->TintColour(edit));
      return reinterpret_cast<INT_PTR>(brush);
    }
    case WM_TIMER:
      if (wParam != kActivatableTimer) return FALSE;
      MakeActivatable(dialog);
      return TRUE;
    case WM_MOUSEACTIVATE:
      MakeActivatable(dialog);
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, MA_ACTIVATE);
      return TRUE;
    case WM_WINDOWPOSCHANGED:
      // The main window's picture keeps out from under the dialog.
      RequestLayout();
      return FALSE;
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
      RequestLayout();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowConfigDialogTexts() {
  if (configDialogWindow == nullptr) return;
  if (DialogBinding* binding = BindingOf(configDialogWindow)) {
    binding->ShowTexts();
    binding->ShowState();
  }
}

void PlaceConfigDialogBesideOwner() {
  if (configDialogWindow == nullptr) return;
  const HWND owner = GetWindow(configDialogWindow, GW_OWNER);
  const LegendRect frame = FrameOf(configDialogWindow);
  const LegendRect place =
      PlaceDialogBeside(FrameOf(owner), frame.width, frame.height, WorkAreaOf(owner));
  SetWindowPos(configDialogWindow, nullptr, place.x, place.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OpenConfigDialog(HINSTANCE instance, HWND mainWindow, bool activate) {
  const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(kConfigDialogTemplate),
                                         mainWindow, ConfigDialogProcedure, 0);
  if (dialog == nullptr) return;
  PlaceConfigDialogBesideOwner();
  if (!activate) {
    SetWindowLongPtrW(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrW(dialog, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    SetTimer(dialog, kActivatableTimer, kWindowManagerPatienceMs, nullptr);
  }
  ShowWindow(dialog, activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
}

}  // namespace veltrisko
