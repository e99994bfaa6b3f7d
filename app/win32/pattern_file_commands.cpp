// SPDX-License-Identifier: MIT
#include "app/win32/pattern_file_commands.h"

#include <commdlg.h>

#include <span>

#include "app/logic/pattern_file_texts.h"
#include "app/logic/viewer_session.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

// "Name (*.a *.b)\0*.a;*.b\0..." as the common dialogs take it.
std::wstring FilterOf(std::span<const FileFilter> filters) {
  std::wstring text;
  for (const FileFilter& filter : filters) {
    std::string patterns = filter.patterns;
    for (char& c : patterns) c = c == ' ' ? ';' : c;
    text += Widen(FilterText(filter, Session().TextLanguage())) + L'\0' + Widen(patterns) + L'\0';
  }
  return text;
}

void ShowProblem(HWND owner, const std::string& text) {
  MessageBoxW(owner, Widen(text).c_str(), Widen(kPatternMessageTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

// The path the user chose, UTF-8; empty when cancelled. `chosen` gets the
// index of the type chosen.
std::string AskForPath(HWND owner, bool save, const Text& title, const std::wstring& filter,
                       std::size_t* chosen = nullptr) {
  wchar_t path[MAX_PATH * 4] = L"";
  const std::wstring caption = Widen(InString(Session().TextLanguage(), title));
  const std::wstring extension = Widen(kMsiFilter.defaultExtension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = static_cast<DWORD>(std::size(path));
  dialog.lpstrTitle = caption.c_str();
  // A pattern file is only read: the "open as read-only" box would mean nothing.
  dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (save) dialog.lpstrDefExt = extension.c_str();
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return {};
  if (chosen != nullptr) *chosen = dialog.nFilterIndex > 0 ? dialog.nFilterIndex - 1 : 0;
  return Narrow(path);
}

void Export(HWND mainWindow) {
  std::size_t chosen = 0;
  const std::string path =
      AskForPath(mainWindow, true, texts::kExportPatternTitle, FilterOf(kExportFilters), &chosen);
  if (path.empty()) return;
  const std::string message = Session().ExportPattern(ExportPathFor(path, chosen));
  if (!message.empty()) ShowProblem(mainWindow, message);
}

}  // namespace

void AskAndImportPattern() {
  const std::string path =
      AskForPath(MainWindowHandle(), false, texts::kImportPatternTitle, FilterOf(kImportFilters));
  if (!path.empty()) ImportPatternFile(path);
}

void AskAndExportPattern() { Export(MainWindowHandle()); }

void ImportPatternFile(const std::string& path) {
  const ViewerSession::PatternImport imported = Session().ImportPattern(path);
  DumpText("pattern-import", path + "\n" + imported.problem + "\n");
  if (!imported.problem.empty()) ShowProblem(MainWindowHandle(), imported.problem);
  CarryUpdate(imported.update);
}

}  // namespace veltrisko
