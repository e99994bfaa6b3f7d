// SPDX-License-Identifier: MIT
// clang-format off
#include <windows.h>  // first: shellapi.h needs it
#include <shellapi.h>
// clang-format on

#include "app/win32/documentation.h"

#include <string>

#include "app/logic/documentation_target.h"
#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

#ifndef VELTRISKO_DOC_HOST
#error "VELTRISKO_DOC_HOST must name the documentation host (empty for the shipped guide)"
#endif

namespace veltrisko {
namespace {

// The program's file, UTF-8.
std::string ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);  // a longer path than MAX_PATH
  }
}

// The zip and the installer put the guides beside the programs.
DocumentationTarget Documentation(const std::string& languageCode) {
  return DocumentationBesideProgram(VELTRISKO_DOC_HOST, ProgramPath(), languageCode);
}

}  // namespace

void ShowAbout(HWND owner, const std::string& languageCode) {
  const std::string text =
      AboutText(VELTRISKO_VERSION, Documentation(languageCode).location, languageCode);
  DumpText("about", text);
  MessageBoxW(owner, Widen(text).c_str(), Widen(AboutTitle(languageCode)).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void OpenDocumentation(HWND owner, const std::string& languageCode) {
  const DocumentationTarget target = Documentation(languageCode);
  bool opened = false;
  const std::string problem = OpenDocumentationTarget(
      target,
      [](const std::string& file) {
        return GetFileAttributesW(Widen(file).c_str()) != INVALID_FILE_ATTRIBUTES;
      },
      [owner, &opened](const DocumentationTarget& shown) {
        // ShellExecute tells success by a value above 32.
        opened =
            reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, Widen(shown.location).c_str(),
                                                    nullptr, nullptr, SW_SHOWNORMAL)) > 32;
        return opened;
      },
      languageCode);
  DumpText("documentation", target.location + "\n" + (opened ? "opened" : "not opened") + "\n");
  if (problem.empty()) return;
  MessageBoxW(owner, Widen(problem).c_str(), Widen(DocumentationTitle(languageCode)).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

}  // namespace veltrisko
