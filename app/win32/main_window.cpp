// SPDX-License-Identifier: MIT
// The Windows viewer: the entry, the main window with its menu, accelerators,
// picture, mouse and status bar, the two legend windows and the modeless
// dialog. The side windows reach the main window through viewer_hooks.h.
// clang-format off
#include <windows.h>  // first: commctrl.h needs it
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <optional>
#include <string>

#include "app/logic/code_feedback.h"
#include "app/logic/dialog_placement.h"
#include "app/logic/difference_legend.h"
#include "app/logic/legend_content.h"
#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_texts.h"
#include "app/logic/process_objects.h"
#include "app/logic/viewer_session.h"
#include "app/win32/clipboard.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/diagram_window.h"
#include "app/win32/documentation.h"
#include "app/win32/fit_window.h"
#include "app/win32/gdi_diagram_painter.h"
#include "app/win32/kept_settings.h"
#include "app/win32/legend_windows.h"
#include "app/win32/pattern_file_commands.h"
#include "app/win32/pattern_picture.h"
#include "app/win32/start_command_line.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/viewer_language.h"
#include "app/win32/win32_controls.h"
#include "app/win32/window_place.h"
#include "app/win32/window_text_dumps.h"
#include "text/legend_texts.h"

namespace veltrisko {

namespace {

constexpr int kMenuAndAccelerators = 103;
constexpr int kIcon = 104;
constexpr wchar_t kMainClass[] = L"VeltriskoWndClass";

// Posted by RequestLayout(): moving a legend while the picture is drawn can
// stall Wine's X11 driver, so it waits for its own message.
constexpr UINT kLayoutMessage = WM_APP + 1;
// Posted at a first start: the main window and the dialog side by side.
constexpr UINT kPlaceAtStartMessage = WM_APP + 2;

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr;
HWND infoLegend = nullptr;
HWND colourLegend = nullptr;
HWND statusBar = nullptr;

PatternPicture picture;
bool frameStale = true;
ViewerSession session(sceneState, horizontalPanel, verticalPanel, configDialog);
bool trackingLeave = false;

// The configuration dialog's frame in the main window's client coordinates;
// empty while no dialog is shown.
LegendRect DialogInClient() {
  if (configDialogWindow == nullptr || !IsWindowVisible(configDialogWindow)) return {0, 0, 0, 0};
  const LegendRect frame = FrameOf(configDialogWindow);
  POINT topLeft{frame.x, frame.y};
  ScreenToClient(mainWindow, &topLeft);
  return {topLeft.x, topLeft.y, frame.width, frame.height};
}

// Where the picture lies in the client area: above the status bar and, while
// the main window takes the screen, out from under the dialog.
LegendRect PicturePart() {
  RECT client;
  GetClientRect(mainWindow, &client);
  RECT status{0, 0, 0, 0};
  if (statusBar != nullptr && IsWindowVisible(statusBar)) GetWindowRect(statusBar, &status);
  const int height = client.bottom - (status.bottom - status.top);
  const LegendRect cover = PictureCover(IsZoomed(mainWindow) != FALSE, FrameOf(mainWindow),
                                        WorkAreaOf(mainWindow), DialogInClient());
  return VisiblePart({0, 0, client.right, height > 0 ? height : 0}, cover);
}

// The picture in its own pixels.
ClientRect PictureRect() {
  const LegendRect part = PicturePart();
  return ClientRect{0, 0, part.width, part.height};
}

void MoveLegends() {
  const LegendRect part = PicturePart();
  const LegendPlacement place = session.Legends(part.width, part.height);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(infoLegend, nullptr, part.x + place.info.x, part.y + place.info.y, place.info.width,
               place.info.height, flags);
  SetWindowPos(colourLegend, nullptr, part.x + place.colour.x, part.y + place.colour.y,
               place.colour.width, place.colour.height, flags);
}

// The configuration dialog in the picture's pixels, which the readout box
// keeps clear of: the dialog stands above the main window and would hide it.
LegendRect DialogInPicture() {
  const LegendRect part = PicturePart();
  LegendRect dialog = DialogInClient();
  dialog.x -= part.x;
  dialog.y -= part.y;
  return dialog;
}

void ShowStatusLine() {
  const std::string line = session.StatusLine();
  SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
  DumpText("status", line);
}

// The readout's box moved or changed: the kept frame is drawn again with it.
void RedrawOverlays() {
  ShowStatusLine();
  InvalidateRect(mainWindow, nullptr, FALSE);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  const ClientRect view = PictureRect();
  std::string problem;
  // Nothing is drawn before the dialog has composed the codes.
  const bool codesComposed = *horizontalPanel.Code() != '\0' || *verticalPanel.Code() != '\0';
  if (frameStale && codesComposed) {
    const std::optional<DifferenceFindings> before = picture.Findings();
    if (!picture.Render(view.right, view.bottom, sceneState, horizontalPanel.Code(),
                        verticalPanel.Code(), session.Frame()))
      problem = NoPictureMessage(picture.Error(), session.TextLanguage());
    frameStale = false;
    if (DifferenceLegendsDiffer(before, picture.Findings())) {
      InvalidateRect(infoLegend, nullptr, TRUE);
      InvalidateRect(colourLegend, nullptr, TRUE);
    }
  }
  // Composed in memory and copied at once: the frame, the rejected code's
  // line and the readout box.
  const LegendRect part = PicturePart();
  PaintBuffered(dc, part.x, part.y, view.right, view.bottom, [&](HDC memory) {
    const RECT all{0, 0, view.right, view.bottom};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    picture.CopyTo(memory);
    const std::string message = problem.empty() ? session.CodeMessage() : problem;
    DrawCodeMessage(memory, message);
    DumpText("code-message", message);
    const LegendRect dialog = DialogInPicture();
    const PointerPosition anchor = session.ReadoutAnchor();
    const LegendRect box = DrawReadoutBox(memory, session.ReadoutText(), POINT{anchor.x, anchor.y},
                                          SIZE{view.right, view.bottom}, dialog);
    DumpRects("readout-box", {{"box", box}, {"dialog", dialog}});
  });
  // What the picture leaves of the client area lies under the dialog.
  RECT client;
  GetClientRect(window, &client);
  const HBRUSH background = GetSysColorBrush(COLOR_APPWORKSPACE);
  const RECT around[] = {{0, 0, part.x, client.bottom},
                         {part.x + part.width, 0, client.right, client.bottom},
                         {part.x, 0, part.x + part.width, part.y},
                         {part.x, part.y + part.height, part.x + part.width, client.bottom}};
  for (const RECT& r : around) {
    if (r.right > r.left && r.bottom > r.top) FillRect(dc, &r, background);
  }
  EndPaint(window, &ps);
}

// Sets the check marks of the menu that is about to open.
void CheckMenu(HMENU menu) {
  std::string marks;
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    const UINT command = GetMenuItemID(menu, i);
    if (command == static_cast<UINT>(-1)) continue;
    const std::optional<bool> mark = session.CheckMark(static_cast<int>(command));
    if (!mark) continue;
    CheckMenuItem(menu, command, MF_BYCOMMAND | (*mark ? MF_CHECKED : MF_UNCHECKED));
    // What the menu now shows, read back from it.
    const bool shown = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    marks += std::to_string(command) + (shown ? " checked\n" : " unchecked\n");
  }
  DumpText("menu", marks);
}

std::wstring MainWindowTitle() {
  return Widen(std::string(In(session.TextLanguage(), texts::kMainWindowTitle)));
}

// Shows the menu, the title, the dialog's labels and the legends in the
// session's language and keeps it for the next start.
void ShowLanguage() {
  KeepSettings(session.Settings());
  ShowMenuTexts(GetMenu(mainWindow), session.TextLanguage());
  DrawMenuBar(mainWindow);
  SetWindowTextW(mainWindow, MainWindowTitle().c_str());
  ShowConfigDialogTexts();
  DumpWindowTexts(mainWindow, "main-window");
}

void OpenReadoutMenu(POINT screen) {
  const HMENU menu = CreatePopupMenu();
  const UINT enabled = session.Shown() ? MF_ENABLED : MF_GRAYED;
  const std::string text = session.ReadoutMenuText();
  AppendMenuW(menu, MF_STRING | enabled, kCmdCopyReadout, Widen(text).c_str());
  DumpText("context-menu", text + (enabled == MF_GRAYED ? " grayed\n" : "\n"));
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                 mainWindow, nullptr);
  DestroyMenu(menu);
}

// Carries out what the session asks of the windows.
void Carry(const SessionUpdate& update) {
  switch (update.request) {
    case FrontEndRequest::kNone:
      break;
    case FrontEndRequest::kQuit:
      DestroyWindow(mainWindow);
      return;
    case FrontEndRequest::kOpenDialog:
      if (configDialogWindow != nullptr) {
        ShowWindow(configDialogWindow, SW_SHOWNORMAL);
        SetForegroundWindow(configDialogWindow);
      } else {
        OpenConfigDialog(instance, mainWindow);
      }
      break;
    case FrontEndRequest::kOpenDocumentation:
      OpenDocumentation(mainWindow, std::string(CodeOf(session.TextLanguage())));
      break;
    case FrontEndRequest::kShowAbout:
      ShowAbout(mainWindow, std::string(CodeOf(session.TextLanguage())));
      break;
    case FrontEndRequest::kCopyReadout:
      CopyToClipboard(mainWindow, session.CopiedReadout());
      break;
    case FrontEndRequest::kReadoutMenu: {
      POINT screen;
      GetCursorPos(&screen);
      OpenReadoutMenu(screen);
      break;
    }
    case FrontEndRequest::kAskImportForFit:
      if (MessageBoxW(mainWindow, Widen(session.FitNeedsFileQuestion()).c_str(),
                      Widen(kPatternMessageTitle).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        AskAndImportPattern();
        Carry(session.FitAfterImport());
      }
      break;
    case FrontEndRequest::kOpenDiagrams:
      OpenDiagramWindow(instance, mainWindow);
      break;
    case FrontEndRequest::kImportPattern:
      AskAndImportPattern();
      break;
    case FrontEndRequest::kExportPattern:
      AskAndExportPattern();
      break;
    case FrontEndRequest::kOpenFit:
      OpenFitWindow(instance, mainWindow);
      break;
  }
  if (update.texts) ShowLanguage();
  if (update.legends) {
    const int show = session.LegendsVisible() ? SW_SHOW : SW_HIDE;
    ShowWindow(infoLegend, show);
    ShowWindow(colourLegend, show);
    RequestLayout();
  }
  if (update.frame) {
    RequestRepaint();  // which also dumps the readout
  } else if (update.readout) {
    DumpText("readout", session.ReadoutText());
    RedrawOverlays();
  }
}

// A mouse position in the picture's pixels.
POINT PointOf(LPARAM lParam) {
  const LegendRect part = PicturePart();
  return POINT{GET_X_LPARAM(lParam) - part.x, GET_Y_LPARAM(lParam) - part.y};
}

PointerButton ButtonOf(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? PointerButton::kLeft
                                                              : PointerButton::kRight;
}

void PressButton(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at = PointOf(lParam);
  Carry(session.PointerPress(ButtonOf(message), {at.x, at.y}, (wParam & MK_SHIFT) != 0));
  if (session.Dragging()) SetCapture(mainWindow);
}

void MoveMouse(LPARAM lParam) {
  const POINT at = PointOf(lParam);
  if (!session.Dragging()) {
    if (!trackingLeave) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, mainWindow, 0};
      trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    const ClientRect view = PictureRect();
    session.SetPicture(view.right, view.bottom);
    DumpText("hover", std::to_string(at.x) + "," + std::to_string(at.y) + " " +
                          std::to_string(view.right) + "x" + std::to_string(view.bottom) + "\n");
  }
  Carry(session.PointerMove({at.x, at.y}));
}

void ReleaseButton(UINT message, LPARAM lParam) {
  const bool wasDragging = session.Dragging();
  const POINT at = PointOf(lParam);
  const SessionUpdate update = session.PointerRelease(ButtonOf(message), {at.x, at.y});
  if (wasDragging && !session.Dragging()) ReleaseCapture();
  Carry(update);
}

// At a first start: the main window and the dialog side by side, or one
// above the other, as far as the screen allows (PlaceStartWindows).
void PlaceBesideDialog() {
  if (configDialogWindow == nullptr || IsZoomed(mainWindow) || IsIconic(mainWindow)) return;
  const LegendRect frame = FrameOf(mainWindow), dialog = FrameOf(configDialogWindow);
  const ClientRect view = PictureRect();
  const StartPlacement place =
      PlaceStartWindows(WorkAreaOf(mainWindow, MONITOR_DEFAULTTOPRIMARY), dialog.width,
                        dialog.height, frame.width - view.right, frame.height - view.bottom);
  SetWindowPos(mainWindow, nullptr, place.main.x, place.main.y, place.main.width, place.main.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceConfigDialogBesideOwner();
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (statusBar != nullptr) SendMessageW(statusBar, WM_SIZE, 0, 0);
      if (infoLegend != nullptr) MoveLegends();
      frameStale = true;
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole picture
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      PressButton(message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MoveMouse(lParam);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      ReleaseButton(message, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      session.PointerCancel();
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave = false;
      Carry(session.PointerLeave());
      RedrawOverlays();
      return 0;
    case WM_CONTEXTMENU: {
      // From the keyboard (at the cursor); the mouse's right click in the
      // picture is handled at its release, elsewhere the system's menus hold.
      if (lParam != -1) return DefWindowProcW(window, message, wParam, lParam);
      POINT screen;
      GetCursorPos(&screen);
      OpenReadoutMenu(screen);
      return 0;
    }
    case WM_DESTROY:
      RememberMainWindowPlace(window);
      // The OpenGL driver's resources go while its windows and threads are
      // all there, not in the destructors after WinMain.
      picture.Release();
      return 0;
    case WM_NCDESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND: {
      Carry(session.RunCommand(LOWORD(wParam)));
      return 0;
    }
    case WM_USER:
      RequestRepaint();
      return 0;
    case kPlaceAtStartMessage:
      PlaceBesideDialog();
      return 0;
    case kLayoutMessage:
      MoveLegends();
      frameStale = true;
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_MOVE:
      // The dialog may now cover another part of the picture.
      RequestLayout();
      return 0;
    case WM_INITMENUPOPUP:
      CheckMenu(reinterpret_cast<HMENU>(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW windowClass = WindowClassOf(instance, name, procedure);
  windowClass.style = style;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.lpszMenuName = MAKEINTRESOURCEW(kMenuAndAccelerators);
  RegisterClassExW(&windowClass);
}

HWND CreateLegend(const wchar_t* className, HWND parent, int width, int height) {
  // Siblings clip each other: the readout box and the message never draw
  // over a legend.
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, 0,
                         0, width, height, parent, nullptr, instance, nullptr);
}

void CreateWindows(HMENU menu) {
  // The picture is painted around its children, so the legends stay on top.
  mainWindow = CreateWindowExW(0, kMainClass, MainWindowTitle().c_str(),
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, nullptr);
  SetLegendContent([] { return session.InfoLegend(picture.Findings()); },
                   [] { return session.ColourLegend(picture.Findings()); });
  RegisterWindowClass(kInfoLegendClass, InfoLegendProcedure, 0);
  infoLegend = CreateLegend(kInfoLegendClass, mainWindow, kInfoLegendWidth, kInfoLegendHeight);
  RegisterWindowClass(kColourLegendClass, ColourLegendProcedure, 0);
  colourLegend =
      CreateLegend(kColourLegendClass, mainWindow, kColourLegendWidth, kColourLegendHeight);
  statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                              0, 0, 0, mainWindow, nullptr, instance, nullptr);
}

}  // namespace

HWND MainWindowHandle() { return mainWindow; }
void CarryUpdate(const SessionUpdate& update) { Carry(update); }
ViewerSession& Session() { return session; }

void RequestLayout() { PostMessageW(mainWindow, kLayoutMessage, 0, 0); }

void RequestRepaint() {
  frameStale = true;
  const ClientRect view = PictureRect();
  session.SetPicture(view.right, view.bottom);
  session.Refresh();
  DumpText("readout", session.ReadoutText());
  ShowStatusLine();
  RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  RefreshDiagramWindow();
  RefreshFitWindow();
}

}  // namespace veltrisko

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  using namespace veltrisko;
  veltrisko::instance = instance;
  const StartRequest start = ReadStartCommandLine();
  if (!start.options) return start.exitStatus;
  // The dialog shows the rule and the display mode it finds in the scene.
  KeepSettings(session.Start(*start.options, KeptSessionSettings()));

  const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);
  RegisterWindowClass(kMainClass, MainWindowProcedure, CS_HREDRAW | CS_VREDRAW);
  const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(kMenuAndAccelerators));
  const HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(kMenuAndAccelerators));
  if (session.TextLanguage() != Language::kGerman) ShowMenuTexts(menu, session.TextLanguage());
  CreateWindows(menu);
  DumpWindowTexts(mainWindow, "main-window");

  // The main window is shown first: a dialog owned by a shown window stays
  // above it on every window manager.
  const bool kept = ShowMainWindowInPlace(mainWindow, showCommand);
  MoveLegends();
  OpenConfigDialog(instance, mainWindow, false);
  // Once the window system has shown both (a window manager sizes a new
  // window as it maps it), so that this place is the last.
  if (!kept) PostMessageW(mainWindow, kPlaceAtStartMessage, 0, 0);
  TypeStartCodes(*start.options);
  // The picture and the legends show the codes the dialog composed.
  RequestRepaint();
  // A file given on the command line ("Öffnen mit") is imported at once; a
  // console it was started from also learns that it could not be (the
  // message box has already said why).
  if (const auto& file = start.options->patternFile; file && !ImportPatternFile(*file))
    TellOnConsole(StartImportWarning(kWindowsProgramName, *file) + "\n", true);
  SetForegroundWindow(mainWindow);
  SetFocus(mainWindow);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (configDialogWindow != nullptr && IsDialogMessageW(configDialogWindow, &message)) continue;
    if (TranslateAcceleratorW(mainWindow, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  UnregisterClassW(kColourLegendClass, instance);
  UnregisterClassW(kInfoLegendClass, instance);
  UnregisterClassW(kMainClass, instance);
  return 0;
}
