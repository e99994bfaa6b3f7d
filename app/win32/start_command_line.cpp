// SPDX-License-Identifier: MIT
#include "app/win32/start_command_line.h"

#include <windows.h>
// clang-format off
#include <shellapi.h>  // after windows.h
// clang-format on

#include <utility>
#include <vector>

#include "app/logic/process_objects.h"
#include "app/win32/config_dialog_window.h"
#include "app/win32/kept_settings.h"
#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

#ifndef VELTRISKO_VERSION
#error "VELTRISKO_VERSION must name the program's version"
#endif

namespace veltrisko {
namespace {

std::vector<std::string> ArgumentsAfterProgram() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(words[i]));
  if (words != nullptr) LocalFree(words);
  return arguments;
}

// A handle the program was started with (a file, a pipe or a console).
bool UsableHandle(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool WriteToHandle(HANDLE handle, const std::string& utf8) {
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring text = Widen(utf8);
    DWORD written = 0;
    return WriteConsoleW(handle, text.c_str(), static_cast<DWORD>(text.size()), &written,
                         nullptr) != FALSE;
  }
  DWORD written = 0;
  return WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) !=
         FALSE;
}

}  // namespace

bool TellOnConsole(const std::string& utf8, bool isError) {
  DumpText(isError ? "told-error" : "told", utf8);
  const HANDLE given = GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (UsableHandle(given) && WriteToHandle(given, utf8)) return true;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  const HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  const bool written = console != INVALID_HANDLE_VALUE && WriteToHandle(console, utf8);
  if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
  FreeConsole();
  return written;
}

void TellUser(const std::string& utf8, bool isError) {
  if (!TellOnConsole(utf8, isError))
    MessageBoxW(nullptr, Widen(utf8).c_str(), L"Veltrisko",
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

StartRequest ReadStartCommandLine() {
  const CommandLine commandLine = ParseCommandLine(ArgumentsAfterProgram());
  if (const auto answer = AnswerOf(commandLine, kWindowsProgramName, VELTRISKO_VERSION,
                                   [] { return KeptLanguage(KeptSessionSettings()); })) {
    TellUser(answer->text, answer->isError);
    return {std::nullopt, answer->exitStatus};
  }
  return {commandLine.options, 0};
}

void TypeStartCodes(const StartOptions& options) {
  if (configDialogWindow == nullptr) return;
  for (const auto& [editId, code] : {std::pair{kHorizontalEditId, options.horizontalCode},
                                     std::pair{kVerticalEditId, options.verticalCode}}) {
    if (code) SetDlgItemTextW(configDialogWindow, editId, Widen(*code).c_str());
  }
  std::string told;
  for (const std::string& warning : StartCodeWarnings(kWindowsProgramName, options,
                                                      horizontalPanel.Code(), verticalPanel.Code()))
    told += warning + "\n";
  if (!told.empty()) TellUser(told, true);
}

}  // namespace veltrisko
