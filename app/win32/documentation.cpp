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

// The zip and the installer put the guides beside the programs.
std::wstring UserGuidePath(const std::string& languageCode) {
  const std::wstring name = Widen(UserGuideFileName(languageCode));
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return name;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a longer path than MAX_PATH
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

}  // namespace

void ShowAbout(HWND owner, const std::string& languageCode) {
  const std::string host = VELTRISKO_DOC_HOST;
  const std::string location = host.empty()
                                   ? Narrow(UserGuidePath(languageCode))
                                   : DocumentationTargetOf(host, "", languageCode).location;
  const std::string text = AboutText(VELTRISKO_VERSION, location, languageCode);
  DumpText("about", text);
  MessageBoxW(owner, Widen(text).c_str(), Widen(AboutTitle(languageCode)).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void OpenDocumentation(HWND owner, const std::string& languageCode) {
  const std::string host = VELTRISKO_DOC_HOST;
  const std::wstring location = host.empty()
                                    ? UserGuidePath(languageCode)
                                    : Widen(DocumentationTargetOf(host, "", languageCode).location);
  const DocumentationTarget target{!host.empty(), Narrow(location)};
  const bool exists =
      target.isWebPage || GetFileAttributesW(location.c_str()) != INVALID_FILE_ATTRIBUTES;
  // ShellExecute tells success by a value above 32.
  const bool opened =
      exists && reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, location.c_str(), nullptr,
                                                        nullptr, SW_SHOWNORMAL)) > 32;
  DumpText("documentation", target.location + "\n" + (opened ? "opened" : "not opened") + "\n");
  if (opened) return;
  MessageBoxW(owner, Widen(DocumentationUnavailableText(target, exists, languageCode)).c_str(),
              Widen(DocumentationTitle(languageCode)).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace veltrisko
