// SPDX-License-Identifier: MIT
#include "app/win32/pattern_file_commands.h"

#include <commdlg.h>

#include <span>

#include "app/logic/fit_rows.h"
#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/pattern_file_texts.h"
#include "app/logic/process_objects.h"
#include "app/win32/diagram_window.h"
#include "app/win32/fit_window.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_hooks.h"
#include "app/win32/viewer_language.h"
#include "app/win32/win32_controls.h"
#include "files/atomic_file.h"
#include "interchange/pattern_alignment.h"
#include "interchange/pattern_export.h"
#include "interchange/pattern_file.h"
#include "model/invalid_antenna_code.h"

namespace veltrisko {
namespace {

constexpr FileFilter kExportFilters[] = {kMsiFilter, kCsvFilter};

std::string loadedName;
std::optional<PatternFile> loadedFile;

// "Name (*.a *.b)\0*.a;*.b\0..." as the common dialogs take it.
std::wstring FilterOf(std::span<const FileFilter> filters) {
  std::wstring text;
  for (const FileFilter& filter : filters) {
    std::string patterns = filter.patterns;
    for (char& c : patterns) c = c == ' ' ? ';' : c;
    text += Widen(FilterText(filter, viewerLanguage)) + L'\0' + Widen(patterns) + L'\0';
  }
  return text;
}

void ShowProblem(HWND owner, const std::string& text) {
  MessageBoxW(owner, Widen(text).c_str(), Widen(kPatternMessageTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

// The path the user chose, UTF-8; empty when cancelled.
std::string AskForPath(HWND owner, bool save, const Text& title, const std::wstring& filter) {
  wchar_t path[MAX_PATH * 4] = L"";
  const std::wstring caption = Widen(InString(viewerLanguage, title));
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
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? Narrow(path) : std::string();
}

void Export(HWND mainWindow) {
  const std::string path =
      AskForPath(mainWindow, true, texts::kExportPatternTitle, FilterOf(kExportFilters));
  if (path.empty()) return;
  const std::string horizontal = horizontalPanel.Code() ? horizontalPanel.Code() : "";
  const std::string vertical = verticalPanel.Code() ? verticalPanel.Code() : "";
  const CombinationRule rule = sceneState.useHcmV7 ? CombinationRule::kV7 : CombinationRule::kV6;
  std::string text;
  try {
    text = ExportedPairText(horizontal, vertical, rule, FormatOfPath(path));
  } catch (const InvalidAntennaCode&) {
    ShowProblem(mainWindow, InvalidCodesForExportMessage(horizontal, vertical, viewerLanguage));
    return;
  }
  const FileProblem problem = WriteTextFileAtomicallyReporting(path, text);
  if (problem) ShowProblem(mainWindow, ExportFailedMessage(problem, viewerLanguage));
}

bool ImportFrom(HINSTANCE instance, HWND mainWindow, const std::string& path) {
  const PatternReading reading = ReadPatternFile(path);
  DumpText("pattern-import", path + "\n" + reading.error + "\n");
  if (!reading.file) {
    ShowProblem(mainWindow, ImportFailedMessage(reading.problem, viewerLanguage));
    return false;
  }
  loadedName = FileNameOf(path);
  loadedFile = *reading.file;
  // Drawn as the fit sees them: each cut turned to its own maximum.
  const AlignedCuts cuts = AlignedCutsOf(*loadedFile);
  SetDiagramImportedCuts(loadedName, cuts.horizontal, cuts.vertical);
  OpenDiagramWindow(instance, mainWindow);
  // The information legend names the file and grows by that line.
  RequestLayout();
  RequestRepaint();
  return true;
}

void Import(HINSTANCE instance, HWND mainWindow) {
  const std::string path =
      AskForPath(mainWindow, false, texts::kImportPatternTitle, FilterOf(kImportFilters));
  if (!path.empty()) ImportFrom(instance, mainWindow, path);
}

// "Extras -> Antennencode anpassen…": without a loaded file the fit offers
// to import one first.
void Fit(HINSTANCE instance, HWND mainWindow) {
  if (loadedName.empty() &&
      MessageBoxW(mainWindow, Widen(InString(viewerLanguage, texts::kFitNeedsPattern)).c_str(),
                  Widen(kPatternMessageTitle).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES)
    Import(instance, mainWindow);
  if (!loadedName.empty()) OpenFitWindow(instance, mainWindow, loadedName, *loadedFile);
}

}  // namespace

void AddPatternFileCommands() {
  AddCommandHandler(kCmdExportPattern, [] {
    Export(MainWindowHandle());
    return false;
  });
  AddCommandHandler(kCmdImportPattern, [] {
    Import(ProgramInstance(), MainWindowHandle());
    return false;
  });
  AddCommandHandler(kCmdFitCode, [] {
    Fit(ProgramInstance(), MainWindowHandle());
    return false;
  });
  AddCommandHandler(kCmdDiagrams, [] {
    OpenDiagramWindow(ProgramInstance(), MainWindowHandle());
    return false;
  });
  AddInfoLegendAddition([](InfoLegendContent& content) {
    ShowPatternFileInInfoLegend(content, loadedName, viewerLanguage);
  });
  AddRepaintListener(RefreshDiagramWindow);
}

bool ImportPatternFile(const std::string& path) {
  return ImportFrom(ProgramInstance(), MainWindowHandle(), path);
}

const std::string& LoadedPatternFileName() { return loadedName; }

}  // namespace veltrisko
