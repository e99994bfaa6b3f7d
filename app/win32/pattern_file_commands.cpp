// SPDX-License-Identifier: MIT
#include "app/win32/pattern_file_commands.h"

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

std::optional<FileChoice> AskForPattern(bool save, const Text& title,
                                        std::span<const FileFilter> filters) {
  return AskForFile(MainWindowHandle(), {save, InString(Session().TextLanguage(), title),
                                         FilterOf(filters), "", kMsiFilter.defaultExtension});
}

}  // namespace

void AskAndImportPattern() {
  if (const auto chosen = AskForPattern(false, texts::kImportPatternTitle, kImportFilters))
    ImportPatternFile(chosen->path);
}

void AskAndExportPattern() {
  const auto chosen = AskForPattern(true, texts::kExportPatternTitle, kExportFilters);
  if (!chosen) return;
  const std::string message = Session().ExportPattern(ExportPathFor(chosen->path, chosen->type));
  if (!message.empty()) ShowFileProblem(MainWindowHandle(), message);
}

bool ImportPatternFile(const std::string& path) {
  const ViewerSession::PatternImport imported = Session().ImportPattern(path);
  DumpText("pattern-import", path + "\n" + imported.problem + "\n");
  if (!imported.problem.empty()) ShowFileProblem(MainWindowHandle(), imported.problem);
  CarryUpdate(imported.update);
  return imported.problem.empty();
}

void ShowFileProblem(HWND owner, const std::string& text) {
  MessageBoxW(owner, Widen(text).c_str(), Widen(kPatternMessageTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

}  // namespace veltrisko
