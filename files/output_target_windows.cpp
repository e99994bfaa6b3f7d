// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cwctype>
#include <vector>

#include "files/disk_sync.h"
#include "files/output_target.h"

namespace veltrisko {
namespace {

std::error_code Error(int value) { return {value, std::generic_category()}; }
std::error_code LastError() { return Error(errno); }

// The causes a user can act on; the messages read as on the other systems.
std::error_code LastWindowsError() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return Error(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Error(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return Error(ENOSPC);
    case ERROR_NOT_SAME_DEVICE:
      return Error(EXDEV);
    default:
      return Error(EIO);
  }
}

// File names are UTF-8 on every system; Windows takes them as UTF-16.
std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

// The names Windows reserves for devices in every folder, with or without
// an extension ("NUL", "con.txt", "COM1:").
bool IsReservedDeviceName(const std::wstring& path) {
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.find_first_of(L".:"));
  while (!name.empty() && name.back() == L' ') name.pop_back();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::find(std::begin(kDevices), std::end(kDevices), name) != std::end(kDevices)) return true;
  return name.size() == 4 && (name.rfind(L"COM", 0) == 0 || name.rfind(L"LPT", 0) == 0) &&
         name[3] >= L'1' && name[3] <= L'9';
}

std::atomic<unsigned> temporary_counter{0};

}  // namespace

std::error_code FindOutputTarget(const std::string& path, OutputTarget& target) {
  const std::wstring wide = Wide(path);
  target = {OutputTarget::Kind::kReplace, path};
  // Not even looked at: opening a named pipe to look at it would take the
  // place of the writer.
  if (wide.rfind(L"\\\\.\\", 0) == 0 || wide.rfind(L"//./", 0) == 0) {
    target.kind = OutputTarget::Kind::kStream;
    return {};
  }
  const HANDLE handle = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    // Some devices (the console) refuse to be opened just to be looked at.
    if (IsReservedDeviceName(wide)) {
      target.kind = OutputTarget::Kind::kStream;
      return {};
    }
    return LastWindowsError();
  }
  std::error_code problem;
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    target.kind = OutputTarget::Kind::kStream;
  } else if (!GetFileInformationByHandle(handle, &info)) {
    problem = LastWindowsError();
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    problem = Error(EISDIR);
  } else {
    // The file a symbolic link leads to is the one replaced; the link stays.
    std::vector<wchar_t> final_path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetFinalPathNameByHandleW(handle, final_path.data(),
                                               static_cast<DWORD>(final_path.size()),
                                               FILE_NAME_NORMALIZED)) >= final_path.size()) {
      final_path.resize(length + 1);
    }
    if (length > 0) target.path = Narrow(std::wstring(final_path.data(), length));
    target.kind =
        info.nNumberOfLinks > 1 ? OutputTarget::Kind::kInPlace : OutputTarget::Kind::kReplace;
    target.exists = true;
    target.mode = info.dwFileAttributes;
  }
  CloseHandle(handle);
  return problem;
}

std::error_code OpenOutputStream(const OutputTarget& target, std::FILE*& stream) {
  // Without _O_CREAT: devices and pipes are opened as existing.
  const int descriptor = _wopen(Wide(target.path).c_str(), _O_WRONLY | _O_BINARY);
  if (descriptor < 0) return LastError();
  stream = _fdopen(descriptor, "wb");
  if (stream == nullptr) {
    const auto error = LastError();
    _close(descriptor);
    return error;
  }
  return {};
}

std::error_code CreateTemporaryFile(const OutputTarget& target, std::string& name,
                                    std::FILE*& file) {
  int descriptor = -1;
  for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
    name =
        target.path + ".tmp" + std::to_string(temporary_counter++) + "-" + std::to_string(attempt);
    // Shared for deletion, so that a console control handler can remove it
    // while it is open (see pending_temporary.h).
    const HANDLE handle = CreateFileW(Wide(name).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
      return LastWindowsError();
    }
    descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
    if (descriptor < 0) {
      CloseHandle(handle);
      _wunlink(Wide(name).c_str());
      return Error(EMFILE);
    }
  }
  if (descriptor < 0) return Error(EEXIST);
  file = _fdopen(descriptor, "w+b");
  if (file == nullptr) {
    const auto error = LastError();
    _close(descriptor);
    _wunlink(Wide(name).c_str());
    return error;
  }
  return {};
}

std::error_code ReplaceByTemporary(const std::string& temporary, const OutputTarget& target) {
  const std::wstring wide_temporary = Wide(temporary);
  if (target.exists) {
    // The old file's attributes, but not read-only: a read-only target
    // refuses to be replaced below, as it should.
    const DWORD kept = target.mode & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    SetFileAttributesW(wide_temporary.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
  }
  if (!MoveFileExW(wide_temporary.c_str(), Wide(target.path).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const auto error = LastWindowsError();
    _wunlink(wide_temporary.c_str());
    return error;
  }
  return {};
}

std::error_code CopyOverInPlace(std::FILE* content, const OutputTarget& target) {
  const int source = _fileno(content);
  const long long size = _lseeki64(source, 0, SEEK_END);
  if (size < 0 || _lseeki64(source, 0, SEEK_SET) != 0) return LastError();
  const int descriptor = _wopen(Wide(target.path).c_str(), _O_WRONLY | _O_BINARY);
  if (descriptor < 0) return LastError();
  auto fail = [descriptor](int error) {
    _close(descriptor);
    return Error(error);
  };
  // Growing the file first finds a full disk before an old byte changes.
  const long long old_size = _lseeki64(descriptor, 0, SEEK_END);
  if (old_size < 0) return fail(errno);
  if (size > old_size) {
    if (const int error = _chsize_s(descriptor, size); error != 0) {
      _chsize_s(descriptor, old_size);
      return fail(error);
    }
  }
  if (_lseeki64(descriptor, 0, SEEK_SET) != 0) return fail(errno);
  std::vector<char> buffer(1 << 16);
  for (long long copied = 0; copied < size;) {
    const int got = _read(source, buffer.data(), static_cast<unsigned>(buffer.size()));
    if (got <= 0) return fail(got < 0 ? errno : EIO);
    if (_write(descriptor, buffer.data(), static_cast<unsigned>(got)) != got) return fail(errno);
    copied += got;
  }
  if (const int error = _chsize_s(descriptor, size); error != 0) return fail(error);
  if (const int error = SyncToDisk(descriptor); error != 0) return fail(error);
  if (_close(descriptor) != 0) return LastError();
  return {};
}

void RemoveTemporary(const std::string& name) { _wunlink(Wide(name).c_str()); }

}  // namespace veltrisko
#endif
