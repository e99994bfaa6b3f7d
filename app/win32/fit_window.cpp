// SPDX-License-Identifier: MIT
#include "app/win32/fit_window.h"

// clang-format off
#include <windows.h>  // first: commctrl.h needs it
#include <commctrl.h>
// clang-format on

#include <string>

#include "app/logic/side_window_placement.h"
#include "app/logic/viewer_session.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/side_window_place.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/win32_controls.h"
#include "app/win32/window_text_dumps.h"
#include "dialog/config_dialog.h"

namespace veltrisko {
namespace {

constexpr wchar_t kFitClass[] = L"VeltriskoFitWindow";
constexpr UINT kFitDone = WM_APP + 1;
constexpr UINT_PTR kProgressTimer = 1;
enum : int { kCriterionId = 200, kToleranceId, kCountId, kStartId, kAlignId, kFirstListId = 210 };

struct FitWindowState {
  HWND window = nullptr;
  HWND name = nullptr, criterion = nullptr, tolerance = nullptr, count = nullptr;
  HWND start = nullptr, status = nullptr, findings = nullptr, align = nullptr;
  HWND comparison = nullptr, pair = nullptr, warnings = nullptr;
  HWND titles[2]{}, lists[2]{};
  HWND labels[4]{};  // measurement, criterion, tolerance, count
  HWND hint = nullptr;
  bool filling = false;
};
FitWindowState state;
// The session's: kept while the window is closed.
FitDialogModel& Model() { return Session().Fit(); }

// A control at a place laid out in 96-dpi pixels, scaled to the window's dpi.
HWND Child(const wchar_t* className, const std::string& text, DWORD style, int id, int x, int y,
           int w, int h, DWORD extended = 0) {
  const auto scaled = [](int pixels) { return Scaled(state.window, pixels); };
  return CreateChildControl(state.window, className, text, style, id,
                            {scaled(x), scaled(y), scaled(w), scaled(h)}, extended);
}

std::string TextOf(HWND control) { return Narrow(WindowText(control)); }

void FillList(int which, const FitDialogView& view) {
  const HWND list = state.lists[which];
  state.filling = true;  // filling is no choice of the user's
  ListView_DeleteAllItems(list);
  SetWindowTextW(state.titles[which], Widen(view.listTitles[which]).c_str());
  const auto& rows = view.rows[static_cast<std::size_t>(which)];
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int column = 0; column < 4; ++column) {
      std::wstring text = Widen(rows[row][column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.iSubItem = column;
      item.pszText = text.data();
      SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  state.filling = false;
}

// The line beside the start button; the window's texts are all set then.
void ShowStatus() {
  SetWindowTextW(state.status, Widen(Model().StatusText()).c_str());
  DumpControlTexts(state.window, "fit-texts");
}

// Every text, the lists and the lines of the model's view.
void ShowAll() {
  const FitDialogView view = Model().View();
  const auto show = [](HWND control, const std::string& text) {
    SetWindowTextW(control, Widen(text).c_str());
  };
  show(state.window, view.title);
  show(state.name, view.measurementName);
  for (int i = 0; i < 4; ++i) show(state.labels[i], view.labels[i]);
  const auto chosen = SendMessageW(state.criterion, CB_GETCURSEL, 0, 0);
  SendMessageW(state.criterion, CB_RESETCONTENT, 0, 0);
  for (const std::string& criterion : view.criteria)
    SendMessageW(state.criterion, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Widen(criterion).c_str()));
  SendMessageW(state.criterion, CB_SETCURSEL, chosen == 1 ? 1 : 0, 0);
  // The file's own tolerance is named, a typed one stays.
  if (!FitToleranceFromText(TextOf(state.tolerance))) show(state.tolerance, view.toleranceFromFile);
  show(state.start, view.startButton);
  show(state.align, view.alignButton);
  EnableWindow(state.align, view.alignEnabled);
  show(state.hint, view.hint);
  for (const HWND list : state.lists) {
    for (int column = 0; column < 4; ++column) {
      std::wstring name = Widen(view.columns[static_cast<std::size_t>(column)]);
      LVCOLUMNW c{};
      c.mask = LVCF_TEXT;
      c.pszText = name.data();
      SendMessageW(list, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    }
  }
  for (int which = 0; which < 2; ++which) FillList(which, view);
  show(state.findings, view.findings);
  show(state.comparison, view.comparison);
  show(state.pair, view.pair);
  show(state.warnings, view.warnings);
  if (Model().Fit()) DumpFitRows("fit-rows", view, Model().TextLanguage());
  ShowStatus();
}

// "Anpassen" starts a fit, and cancels it while it runs. A number (decimal
// comma or point) is the tolerance; anything else, as the field's first text
// "aus der Datei" ("from the file"), leaves the file's own.
void StartFit() {
  const auto choice = SendMessageW(state.criterion, CB_GETCURSEL, 0, 0);
  const FitFields fields{choice == 1 ? 1 : 0, FitToleranceFromText(TextOf(state.tolerance)),
                         FitCountFromText(TextOf(state.count))};
  const HWND window = state.window;
  if (!Session().PressFitStart(fields, [window] { PostMessageW(window, kFitDone, 0, 0); })) return;
  SetWindowTextW(state.start, Widen(Model().View().startButton).c_str());
  SetTimer(window, kProgressTimer, FitDialogModel::kStatusIntervalMs, nullptr);
  ShowStatus();
}

void FinishFit() {
  if (!Model().Collect()) return;
  KillTimer(state.window, kProgressTimer);
  ShowAll();
}

// A chosen row's code goes into the dialog's field as if typed.
void UseRow(int which, int row) {
  const ViewerSession::FitRowChoice choice = Session().ChooseFitRow(which, row);
  if (!choice.code) return;
  SetWindowTextW(state.warnings, Widen(choice.warnings).c_str());
  CarryUpdate(choice.update);
  SetDlgItemTextW(configDialogWindow, choice.field, Widen(*choice.code).c_str());
}

// "Ausrichtung übernehmen": the view turns to the measured main direction.
void TakeAlignment() { CarryUpdate(Session().TakeFitAlignment()); }

void CreateControls() {
  // The labels' column takes the longer of the languages' words.
  const int labelW = 88, fieldX = 100;
  state.labels[0] = Child(L"STATIC", "", SS_LEFT, -1, 8, 10, labelW, 18);
  state.name = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, fieldX, 10, 500, 18);
  state.labels[1] = Child(L"STATIC", "", SS_LEFT, -1, 8, 36, labelW, 18);
  state.criterion =
      Child(L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP, kCriterionId, fieldX, 32, 400, 120);
  state.labels[2] = Child(L"STATIC", "", SS_LEFT, -1, 8, 62, labelW, 18);
  state.tolerance = Child(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, kToleranceId, fieldX, 60, 100,
                          20, WS_EX_CLIENTEDGE);
  Child(L"STATIC", "dB", SS_LEFT, -1, fieldX + 106, 62, 30, 18);
  state.labels[3] = Child(L"STATIC", "", SS_LEFT, -1, 8, 88, labelW, 18);
  state.count = Child(L"EDIT", std::to_string(FitFields{}.count), ES_NUMBER | WS_TABSTOP, kCountId,
                      fieldX, 86, 60, 20, WS_EX_CLIENTEDGE);
  state.start = Child(L"BUTTON", "", BS_DEFPUSHBUTTON | WS_TABSTOP, kStartId, 8, 114, 100, 26);
  state.status = Child(L"STATIC", "", SS_LEFT, -1, 120, 119, 600, 18);
  state.findings = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, 8, 148, 700, 64);
  state.align = Child(L"BUTTON", "", BS_PUSHBUTTON | WS_TABSTOP, kAlignId, 720, 186, 160, 26);
  state.comparison = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, 8, 216, 870, 44);
  state.pair = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, 8, 262, 870, 28);
  state.warnings = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, 8, 292, 870, 44);
  // The lists one above the other, each as wide as the window, so that the
  // codes and the column headers have room in both languages.
  for (int which = 0; which < 2; ++which) {
    const int y = 340 + which * 136;
    state.titles[which] = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1, 8, y, 870, 18);
    state.lists[which] =
        Child(WC_LISTVIEWW, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              kFirstListId + which, 8, y + 20, 870, 110, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(state.lists[which], LVS_EX_FULLROWSELECT);
    for (int column = 0; column < 4; ++column) {
      std::wstring text;
      LVCOLUMNW c{};
      c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      c.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
      c.cx = Scaled(state.window, column == 0 ? 240 : column == 3 ? 170 : 150);
      c.pszText = text.data();
      SendMessageW(state.lists[which], LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    }
  }
  state.hint = Child(L"STATIC", "", SS_LEFT, -1, 8, 612, 870, 36);
  ShowAll();
}

LRESULT CALLBACK FitProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      state.window = window;
      CreateControls();
      return 0;
    case WM_MOVE:
    case WM_SIZE:
      // For tests that click the buttons and lists.
      DumpControlPlaces(window, "fit-controls", false);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kStartId) StartFit();
      if (LOWORD(wParam) == kAlignId) TakeAlignment();
      if (LOWORD(wParam) == kCriterionId && HIWORD(wParam) == CBN_SELCHANGE)
        EnableWindow(state.tolerance, FitDialogModel::ToleranceApplies(static_cast<int>(
                                          SendMessageW(state.criterion, CB_GETCURSEL, 0, 0))));
      return 0;
    case WM_NOTIFY: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
      const int which = static_cast<int>(change->hdr.idFrom) - kFirstListId;
      if (change->hdr.code == LVN_ITEMCHANGED && (which == 0 || which == 1) && !state.filling &&
          (change->uNewState & LVIS_SELECTED) != 0 && (change->uOldState & LVIS_SELECTED) == 0)
        UseRow(which, change->iItem);
      return 0;
    }
    case kFitDone:
      FinishFit();
      return 0;
    case WM_TIMER:
      if (wParam == kProgressTimer && Model().Running())
        SetWindowTextW(state.status, Widen(Model().StatusText()).c_str());
      return 0;
    case WM_DESTROY:
      // The worker posts to this window; stop and wait for it before the
      // window goes.
      KillTimer(window, kProgressTimer);
      Model().Stop();
      for (MSG pending; PeekMessageW(&pending, window, kFitDone, kFitDone, PM_REMOVE);) {
      }
      state.window = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void OpenFitWindow(HINSTANCE instance, HWND mainWindow) {
  Session().FollowFit();
  if (state.window == nullptr) {
    static bool registered = false;
    if (!registered) {
      const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
      InitCommonControlsEx(&controls);
      WNDCLASSEXW windowClass = WindowClassOf(instance, kFitClass, FitProcedure);
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      registered = RegisterClassExW(&windowClass) != 0;
    }
    // Beside the main window, at its full size: the controls stand where the
    // layout puts them.
    const int width = Scaled(mainWindow, kFitWindowWidth);
    const int height = Scaled(mainWindow, kFitWindowHeight);
    const SidePlace at = SideWindowPlace(mainWindow, width, height, width, height);
    CreateWindowExW(0, kFitClass, Widen(Model().View().title).c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, at.x, at.y, at.width,
                    at.height, mainWindow, nullptr, instance, nullptr);
  } else {
    ShowAll();
  }
  BringSideWindowForward(state.window);
}

void RefreshFitWindow() {
  if (state.window != nullptr && Session().FollowFit() == SideWindowChange::kAll) ShowAll();
}

}  // namespace veltrisko
