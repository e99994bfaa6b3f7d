// SPDX-License-Identifier: MIT
// Reads a program's version information as Explorer's "Details" tab does and
// checks it:  version_info PROGRAM.exe VERSION ORIGINAL_FILE_NAME
// Exit status 0 when the fixed and the string versions, the product name and
// the original file name are as expected; otherwise says what differs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring widen(const char* text) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
  if (size > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
  return wide;
}

std::wstring string_value(std::vector<char>& data, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr || length == 0)
    return L"";
  return std::wstring(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: version_info PROGRAM.exe VERSION ORIGINAL_FILE_NAME\n");
    return 2;
  }
  const std::wstring program = widen(argv[1]);
  const std::wstring version = widen(argv[2]);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  if (size == 0) {
    std::fprintf(stderr, "%s: no version information\n", argv[1]);
    return 1;
  }
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(program.c_str(), 0, size, data.data())) {
    std::fprintf(stderr, "%s: version information unreadable\n", argv[1]);
    return 1;
  }

  int failures = 0;
  auto expect = [&](const wchar_t* what, const std::wstring& actual, const std::wstring& wanted) {
    if (actual != wanted) {
      std::fprintf(stderr, "%ls is \"%ls\", expected \"%ls\"\n", what, actual.c_str(),
                   wanted.c_str());
      ++failures;
    }
  };
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr) {
    std::fprintf(stderr, "%s: no fixed version\n", argv[1]);
    return 1;
  }
  auto dotted = [](DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low));
  };
  expect(L"FILEVERSION", dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), version);
  expect(L"PRODUCTVERSION", dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), version);
  expect(L"FileVersion", string_value(data, L"FileVersion"), version);
  expect(L"ProductVersion", string_value(data, L"ProductVersion"), version);
  expect(L"ProductName", string_value(data, L"ProductName"), L"Veltrisko");
  expect(L"OriginalFilename", string_value(data, L"OriginalFilename"), widen(argv[3]));
  for (const wchar_t* name : {L"FileDescription", L"LegalCopyright", L"CompanyName"})
    if (string_value(data, name).size() < 2) {
      std::fprintf(stderr, "%ls is empty\n", name);
      ++failures;
    }
  return failures == 0 ? 0 : 1;
}
