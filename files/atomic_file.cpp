// SPDX-License-Identifier: MIT
#include "files/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace veltrisko {
namespace {

std::string Failure(const std::string& path, int error) {
  return "cannot write '" + path + "': " + (error != 0 ? std::strerror(error) : "write failed");
}

// A name beside `path` that no other writer of this process uses; the
// exclusive open below refuses one that exists already.
std::string TemporaryNameFor(const std::string& path, int attempt) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp" + std::to_string(counter++) + "-" + std::to_string(attempt);
}

// File names are UTF-8 on every system (the Windows programs run with UTF-8
// as their code page); a plain string would be read in the C++ library's own
// narrow encoding on Windows.
std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::FILE* OpenNewFile(const std::string& name) {
#ifdef _WIN32
  // The Windows C runtime has no exclusive-create mode.
  if (std::filesystem::exists(PathOf(name))) return nullptr;
  return std::fopen(name.c_str(), "wb");
#else
  return std::fopen(name.c_str(), "wbx");
#endif
}

}  // namespace

std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::FILE*)>& write) {
  if (path == "-") {
    errno = 0;
    const bool written = write(stdout);
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout)) {
      return Failure("standard output", errno);
    }
    return {};
  }
  if (path.empty()) return "cannot write '': empty file name";

  std::string temporary;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < 100 && file == nullptr; ++attempt) {
    temporary = TemporaryNameFor(path, attempt);
    errno = 0;
    file = OpenNewFile(temporary);
    if (file == nullptr && errno != EEXIST && errno != 0) return Failure(path, errno);
  }
  if (file == nullptr) return Failure(path, EEXIST);

  errno = 0;
  bool written = false;
  try {
    written = write(file);
  } catch (...) {
    // The caller hears of the failure; the half-written file goes.
    std::fclose(file);
    std::remove(temporary.c_str());
    throw;
  }
  int error = errno;
  if (std::fflush(file) != 0 || std::ferror(file)) {
    written = false;
    if (error == 0) error = errno;
  }
  if (std::fclose(file) != 0) {
    written = false;
    if (error == 0) error = errno;
  }
  if (!written) {
    std::remove(temporary.c_str());
    return Failure(path, error);
  }
  std::error_code renamed;
  std::filesystem::rename(PathOf(temporary), PathOf(path), renamed);
  if (renamed) {
    std::remove(temporary.c_str());
    return "cannot write '" + path + "': " + renamed.message();
  }
  return {};
}

std::string WriteTextFileAtomically(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, [&text](std::FILE* file) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
  });
}

}  // namespace veltrisko
