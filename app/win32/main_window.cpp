// SPDX-License-Identifier: MIT
// The Windows viewer: the entry, the main window with its menu, accelerators
// and OpenGL paint, the two legend windows and the modeless dialog.
// clang-format off
#include <windows.h>  // first: commctrl.h needs it
#include <commctrl.h>
// clang-format on

#include <string>

#include "app/logic/legend_content.h"
#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/process_objects.h"
#include "app/logic/scene_commands.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/diagram_window.h"
#include "app/win32/documentation.h"
#include "app/win32/legend_windows.h"
#include "app/win32/pattern_file_commands.h"
#include "app/win32/test_dumps.h"
#include "app/win32/wgl_surface.h"
#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"

namespace veltrisko {

// The main window's surface outlives the context record declared after it,
// whose destruction at process exit deletes the context.
WglSurface mainWindowSurface;
GLContext glContext;

namespace {

constexpr int kMenuAndAccelerators = 103;
constexpr int kIcon = 104;
constexpr wchar_t kMainClass[] = L"VeltriskoWndClass";

HINSTANCE instance = nullptr;
HWND infoLegend = nullptr;
HWND colourLegend = nullptr;

void MoveLegends(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const LegendPlacement place = PlaceLegends(client.right, client.bottom);
  const int infoHeight =
      LoadedPatternFileName().empty() ? place.info.height : kInfoLegendHeightWithFile;
  MoveWindow(infoLegend, place.info.x, place.info.y, place.info.width, infoHeight, TRUE);
  MoveWindow(colourLegend, place.colour.x, place.colour.y, place.colour.width, place.colour.height,
             TRUE);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  mainWindowSurface.SetDeviceContext(dc);
  glContext.MakeCurrent(&mainWindowSurface);
  DrawPattern(sceneState, ClientRect{client.left, client.top, client.right, client.bottom},
              horizontalPanel.Code(), verticalPanel.Code());
  DumpFrame(client.right - client.left, client.bottom - client.top);
  SwapBuffers(dc);
  glContext.MakeCurrent(nullptr);
  EndPaint(window, &ps);
  RefreshDiagramWindow();
}

// Sets the check marks of the menu that is about to open.
void CheckMenu(HMENU menu) {
  const bool legendsVisible = IsWindowVisible(infoLegend) != FALSE;
  std::string marks;
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    const UINT command = GetMenuItemID(menu, i);
    if (command == static_cast<UINT>(-1)) continue;
    const std::optional<bool> mark =
        CheckMarkOf(sceneState, legendsVisible, static_cast<int>(command));
    if (!mark) continue;
    CheckMenuItem(menu, command, MF_BYCOMMAND | (*mark ? MF_CHECKED : MF_UNCHECKED));
    // What the menu now shows, read back from it.
    const bool shown = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    marks += std::to_string(command) + (shown ? " checked\n" : " unchecked\n");
  }
  DumpText("menu", marks);
}

// Carries out one menu or accelerator command; false for numbers it does not
// know, which cause no repaint.
bool RunCommand(HWND window, int command) {
  if (ApplySceneCommand(sceneState, command)) return true;
  if (RunPatternFileCommand(instance, window, command)) return false;
  switch (command) {
    case kCmdAntennaType:
      if (configDialogWindow != nullptr) {
        SetForegroundWindow(configDialogWindow);
      } else {
        OpenConfigDialog(instance, window);
      }
      return true;
    case kCmdDocumentation:
      OpenDocumentation(window);
      return true;
    case kCmdDiagrams:
      OpenDiagramWindow(instance, window);
      return false;
    case kCmdLegend: {
      const int show = IsWindowVisible(infoLegend) ? SW_HIDE : SW_SHOW;
      ShowWindow(infoLegend, show);
      ShowWindow(colourLegend, show);
      return true;
    }
    default:
      return false;
  }
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return 0;
    case WM_SIZE:
      MoveLegends(window);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_NCDESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND: {
      const int command = LOWORD(wParam);
      if (command == kCmdQuit) {
        DestroyWindow(window);
      } else if (RunCommand(window, command)) {
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    }
    case WM_USER:
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_INITMENUPOPUP:
      CheckMenu(reinterpret_cast<HMENU>(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszMenuName = MAKEINTRESOURCEW(kMenuAndAccelerators);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

HWND CreateLegend(const wchar_t* className, HWND parent, int width, int height) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, width, height,
                         parent, nullptr, instance, nullptr);
}

}  // namespace
}  // namespace veltrisko

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  using namespace veltrisko;
  veltrisko::instance = instance;

  RegisterWindowClass(kMainClass, MainWindowProcedure, CS_HREDRAW | CS_VREDRAW);
  const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(kMenuAndAccelerators));
  const HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(kMenuAndAccelerators));
  // The difference view is offered by the Linux viewer only so far.
  EnableMenuItem(menu, kCmdDifference, MF_BYCOMMAND | MF_GRAYED);
  const HWND mainWindow = CreateWindowExW(
      0, kMainClass, L"Veltrisko   HCM-Antennendiagramme", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, nullptr);

  RegisterWindowClass(kInfoLegendClass, InfoLegendProcedure, 0);
  infoLegend = CreateLegend(kInfoLegendClass, mainWindow, kInfoLegendWidth, kInfoLegendHeight);
  RegisterWindowClass(kColourLegendClass, ColourLegendProcedure, 0);
  colourLegend =
      CreateLegend(kColourLegendClass, mainWindow, kColourLegendWidth, kColourLegendHeight);

  const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&commonControls);
  OpenConfigDialog(instance, mainWindow);
  ShowWindow(mainWindow, showCommand);
  MoveLegends(mainWindow);

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
