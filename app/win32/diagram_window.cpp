// SPDX-License-Identifier: MIT
#include "app/win32/diagram_window.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/logic/flow_rows.h"
#include "app/logic/pattern_file_texts.h"
#include "app/logic/side_window_placement.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/gdi_diagram_painter.h"
#include "app/win32/kept_settings.h"
#include "app/win32/pattern_file_commands.h"
#include "app/win32/side_window_place.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/win32_controls.h"
#include "app/win32/window_text_dumps.h"
#include "diagram/diagram_window_model.h"

namespace veltrisko {
namespace {

constexpr wchar_t kWindowClass[] = L"VeltriskoDiagramWindow";
constexpr wchar_t kPlotClass[] = L"VeltriskoDiagramPlot";
// Child window ids: the plots are 0 (horizontal) and 1 (vertical).
enum : int { kStyleId = 100, kFirstBoxId = 110, kFirstButtonId = 130 };
constexpr int kGap = 8;
constexpr int kRowHeight = 24;
// The least the window shrinks to beside the dialog, at 96 dpi.
constexpr int kMinWidth = 480, kMinHeight = 260;

struct DiagramWindowState {
  HWND window = nullptr;
  HWND styleLabel = nullptr;
  HWND style = nullptr;
  std::array<HWND, kDiagramCurveCount> boxes{};
  std::array<HWND, 2> plots{};
  std::array<PlotFrame, 2> frames{};
  HWND reading = nullptr;
  HWND tooltip = nullptr;
  std::vector<HWND> buttons;  // in the order of the view's
};
DiagramWindowState state;
// The session's: kept while the window is closed, for its next opening.
DiagramWindowModel& Model() { return Session().Diagrams(); }

CutKind KindOf(HWND plot) {
  return GetDlgCtrlID(plot) == 0 ? CutKind::kHorizontal : CutKind::kVertical;
}

HWND Child(const wchar_t* className, const std::string& text, DWORD style, int id) {
  return CreateChildControl(state.window, className, text, style, id);
}

int TextWidthOf(HWND control) {
  const std::wstring text = WindowText(control);
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, DialogFont());
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return extent.cx;
}

// For tests: where the controls and the windows are.
void DumpControls() {
  DumpControlPlaces(state.window, "diagram-controls", true);
  DumpFrames({state.window, configDialogWindow}, MainWindowHandle(), "diagram-frames");
}

// The controls in rows at the top (flowing to the next row where they do not
// fit), the two plots side by side, the reading and the buttons below; the
// 96-dpi lengths grow with the screen's dpi, as the font does.
void Layout() {
  RECT client;
  GetClientRect(state.window, &client);
  const auto scaled = [](int pixels) { return Scaled(state.window, pixels); };
  const int width = client.right, gap = scaled(kGap);
  std::vector<HWND> shown{state.styleLabel, state.style};
  std::vector<FlowSize> sizes{{TextWidthOf(state.styleLabel) + scaled(4), scaled(16)},
                              {scaled(110), scaled(22)}};
  for (HWND box : state.boxes) {
    if (!IsWindowVisible(box)) continue;
    shown.push_back(box);
    sizes.push_back({TextWidthOf(box) + scaled(24), scaled(20)});
  }
  const FlowPlaces flow = FlowRows(sizes, width - 2 * gap, {gap, scaled(4), scaled(kRowHeight)});
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const LegendRect& at = flow.places[i];
    // The style's combo box reaches down over its dropped list.
    const int below = shown[i] == state.style ? scaled(180) : 0;
    MoveWindow(shown[i], gap + at.x, gap + at.y, at.width, at.height + below, TRUE);
  }
  const int plotsTop = gap + flow.height + gap;
  const int buttonHeight = scaled(26);
  const int buttonsTop = client.bottom - gap - buttonHeight;
  const int readingTop = buttonsTop - scaled(32);
  int x = gap;
  for (const HWND button : state.buttons) {
    const int w = TextWidthOf(button) + scaled(24);
    MoveWindow(button, x, buttonsTop, w, buttonHeight, TRUE);
    x += w + gap;
  }
  // Two lines, where a long reading wraps.
  MoveWindow(state.reading, gap, readingTop, width - 2 * gap, scaled(28), TRUE);
  const int plotHeight = std::max(10, readingTop - scaled(4) - plotsTop);
  const int half = std::max(10, (width - 3 * gap) / 2);
  MoveWindow(state.plots[0], gap, plotsTop, half, plotHeight, TRUE);
  MoveWindow(state.plots[1], 2 * gap + half, plotsTop, half, plotHeight, TRUE);
  DumpControls();
  DumpControlTexts(state.window, "diagram-texts");
}

void Repaint() {
  for (HWND plot : state.plots) InvalidateRect(plot, nullptr, FALSE);
}

void SetReading(const std::string& text) {
  SetWindowTextW(state.reading, Widen(text).c_str());
  DumpText("diagram-reading", text);
  DumpControlTexts(state.window, "diagram-texts");
}

// Reported as the main window reports a failed export.
void ShowExportProblem(const std::string& problem) {
  const std::string text = ExportFailedMessage(problem, Model().Input().language);
  DumpText("diagram-message", text);
  ShowFileProblem(state.window, text);
}

void Export(DiagramExport what, const std::string& path) {
  const std::string problem = Model().Export(what, path, [](std::FILE* file) {
    std::string error;
    return WritePng(file, DrawingImage(Model().Page(GdiTextWidth)), error);
  });
  if (!problem.empty()) ShowExportProblem(problem);
}

void AskAndExport(DiagramExport what) {
  const DiagramExportDialog ask = Model().ExportDialog(what);
  DumpText("diagram-offered", ask.suggestedName);
  const std::wstring filter = Widen(ask.filter) + L'\0' + Widen("*." + ask.extension) + L'\0';
  if (const auto chosen =
          AskForFile(state.window, {true, ask.title, filter, ask.suggestedName, ask.extension}))
    Export(what, Model().PathWithExtension(what, chosen->path));
}

// Both plots on one page of the printer the user picks.
void Print() {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = state.window;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
  if (!PrintDlgW(&dialog) || dialog.hDC == nullptr) return;
  const HDC dc = dialog.hDC;
  const std::wstring title = Widen(Model().PageTitle());
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  if (StartDocW(dc, &document) > 0) {
    StartPage(dc);
    PaintDrawingGdi(
        dc, Model().Page(GdiTextWidth),
        DiagramWindowModel::PageScale(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)));
    EndPage(dc);
    EndDoc(dc);
  }
  DeleteDC(dc);
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
}

void OnCommand(int id, int code) {
  if (id == kStyleId && code == CBN_SELCHANGE) {
    const auto index = SendMessageW(state.style, CB_GETCURSEL, 0, 0);
    const DiagramStyle style = DiagramWindowModel::StyleAt(static_cast<int>(index));
    const ViewerSession::DiagramStyleChoice choice = Session().ChooseDiagramStyle(style);
    KeepSettings(choice.keep);
    if (choice.redraw) Repaint();
  } else if (id >= kFirstBoxId && id < kFirstBoxId + kDiagramCurveCount) {
    const HWND box = state.boxes[static_cast<std::size_t>(id - kFirstBoxId)];
    if (Model().SetCurveVisible(static_cast<DiagramCurve>(id - kFirstBoxId),
                                SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED))
      Repaint();
  } else if (id >= kFirstButtonId &&
             id <= kFirstButtonId + static_cast<int>(DiagramExport::kPrint)) {
    const auto what = static_cast<DiagramExport>(id - kFirstButtonId);
    if (what == DiagramExport::kPrint) {
      Print();
    } else {
      AskAndExport(what);
    }
  }
}

// Every text, the curve boxes and the reading as the model's view has them;
// the whole file name in the imported box's tooltip.
void Show() {
  const DiagramWindowView view = Model().View(PdfExport::kByPrinting);
  SetWindowTextW(state.window, Widen(view.title).c_str());
  SetWindowTextW(state.styleLabel, Widen(view.styleLabel).c_str());
  SendMessageW(state.style, CB_RESETCONTENT, 0, 0);
  for (const std::string& style : view.styles)
    SendMessageW(state.style, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(style).c_str()));
  SendMessageW(state.style, CB_SETCURSEL, static_cast<WPARAM>(view.style), 0);
  for (std::size_t i = 0; i < view.buttons.size(); ++i)
    SetWindowTextW(state.buttons[i], Widen(view.buttons[i].text).c_str());
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const DiagramWindowView::CurveBox& box = view.curves[k];
    SetWindowTextW(state.boxes[k], Widen(box.text).c_str());
    SendMessageW(state.boxes[k], BM_SETCHECK, box.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowWindow(state.boxes[k], box.shown ? SW_SHOW : SW_HIDE);
  }
  const std::string& tip = view.curves[static_cast<int>(DiagramCurve::kImported)].tooltip;
  SetToolTip(state.tooltip, state.boxes[static_cast<int>(DiagramCurve::kImported)], tip);
  DumpText("diagram-tooltip", tip);
  SetReading(view.reading);
}

void CreateControls() {
  state.styleLabel = Child(L"STATIC", "", SS_LEFT, -1);
  state.style = Child(L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kStyleId);
  for (int k = 0; k < kDiagramCurveCount; ++k)
    state.boxes[k] = Child(L"BUTTON", "", BS_AUTOCHECKBOX | WS_TABSTOP, kFirstBoxId + k);
  for (int k = 0; k < 2; ++k) state.plots[k] = Child(kPlotClass, "", 0, k);
  state.reading = Child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, -1);
  state.tooltip = CreateToolTips(state.window);
  state.buttons.clear();
  // A PDF comes from the system's PDF printer through "Drucken…".
  for (const DiagramWindowView::Button& button : Model().View(PdfExport::kByPrinting).buttons) {
    state.buttons.push_back(Child(L"BUTTON", "", BS_PUSHBUTTON | WS_TABSTOP,
                                  kFirstButtonId + static_cast<int>(button.what)));
  }
  Show();
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      state.window = window;
      CreateControls();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_MOVE:
      DumpControls();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      // The check boxes in their curves' colours.
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      if (id >= kFirstBoxId && id < kFirstBoxId + kDiagramCurveCount) {
        const Rgb c = LookOf(static_cast<DiagramCurve>(id - kFirstBoxId)).colour;
        SetTextColor(dc, RGB(c.r, c.g, c.b));
      }
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
      // The model keeps the curves and choices for the next opening.
      state = DiagramWindowState();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void PaintPlot(HWND plot) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(plot, &ps);
  RECT client;
  GetClientRect(plot, &client);
  const CutKind kind = KindOf(plot);
  const CutPlot described =
      DescribeCutPlot(Model().Input(), kind, client.right, client.bottom, GdiTextWidth);
  state.frames[kind == CutKind::kHorizontal ? 0 : 1] = described.frame;
  PaintBuffered(dc, 0, 0, client.right, client.bottom,
                [&](HDC memory) { PaintDrawingGdi(memory, described.drawing); });
  EndPaint(plot, &ps);
  DumpDrawing(kind == CutKind::kHorizontal ? "diagram-horizontal" : "diagram-vertical",
              described.drawing);
}

LRESULT CALLBACK PlotProcedure(HWND plot, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintPlot(plot);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      const Point at{static_cast<double>(static_cast<short>(LOWORD(lParam))),
                     static_cast<double>(static_cast<short>(HIWORD(lParam)))};
      if (Model().PointAt(state.frames[KindOf(plot) == CutKind::kHorizontal ? 0 : 1], at))
        SetReading(Model().Reading());
      return 0;
    }
    default:
      return DefWindowProcW(plot, message, wParam, lParam);
  }
}

void RegisterClasses(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW windowClass = WindowClassOf(instance, kWindowClass, WindowProcedure);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassExW(&windowClass);
  windowClass = WindowClassOf(instance, kPlotClass, PlotProcedure);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));  // IDC_CROSS
  RegisterClassExW(&windowClass);
}

}  // namespace

void OpenDiagramWindow(HINSTANCE instance, HWND owner) {
  if (state.window == nullptr) {
    RegisterClasses(instance);
    Session().FollowDiagrams();
    // Beside the main window, not over its menu bar; a window of its own
    // (no owner), with its own taskbar entry, that minimises alone.
    const SidePlace place = SideWindowPlace(owner, Scaled(owner, kDiagramWindowWidth),
                                            Scaled(owner, kDiagramWindowHeight),
                                            Scaled(owner, kMinWidth), Scaled(owner, kMinHeight));
    CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, Widen(Model().WindowTitle()).c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place.x, place.y, place.width,
                    place.height, nullptr, nullptr, instance, nullptr);
  } else {
    RefreshDiagramWindow();
  }
  BringSideWindowForward(state.window);
}

void RefreshDiagramWindow() {
  if (state.window == nullptr) return;
  const SideWindowChange change = Session().FollowDiagrams();
  if (change == SideWindowChange::kAll) {
    Show();  // with the reading, which a new language clears: it names the curves
    Layout();
  }
  if (change != SideWindowChange::kNone) Repaint();
}

}  // namespace veltrisko
