// SPDX-License-Identifier: MIT
#include "files/atomic_file.h"

#include <cerrno>
#include <system_error>

#include "files/disk_sync.h"
#include "files/output_target.h"
#include "files/pending_temporary.h"

namespace veltrisko {
namespace {

FileProblem Failure(const std::string& path, int error) {
  return {.kind = FileProblemKind::kCannotWrite, .path = path, .error = error};
}

// The system layers give errno values; anything else keeps its own words.
FileProblem Failure(const std::string& path, const std::error_code& error) {
  if (error.category() == std::generic_category()) return Failure(path, error.value());
  return {.kind = FileProblemKind::kCannotWrite, .path = path, .systemText = error.message()};
}

// Fills a stream that is written as it goes (standard output, a device, a
// pipe) and flushes it; the first error that occurred is the one reported.
FileProblem WriteStream(std::FILE* stream, const std::string& name,
                        const std::function<bool(std::FILE*)>& write) {
  errno = 0;
  bool written = write(stream);
  // Only a failure's errno counts: stdio sets ENOTTY on the way when it
  // asks whether the stream is a terminal.
  int error = !written || std::ferror(stream) ? errno : 0;
  errno = 0;
  if (std::fflush(stream) != 0 || std::ferror(stream)) {
    written = false;
    if (error == 0) error = errno;
  }
  return written ? FileProblem() : Failure(name, error);
}

FileProblem WriteToStream(const OutputTarget& target, const std::string& path,
                          const std::function<bool(std::FILE*)>& write) {
  std::FILE* stream = nullptr;
  if (const auto error = OpenOutputStream(target, stream)) return Failure(path, error);
  FileProblem problem;
  try {
    problem = WriteStream(stream, path, write);
  } catch (...) {
    std::fclose(stream);
    throw;
  }
  if (std::fclose(stream) != 0 && !problem) problem = Failure(path, errno);
  return problem;
}

// Writes the whole content to a temporary file and syncs it; then the
// temporary file replaces the target, or is copied over it in place.
FileProblem WriteThroughTemporary(const OutputTarget& target, const std::string& path,
                                  const std::function<bool(std::FILE*)>& write) {
  std::string temporary;
  std::FILE* file = nullptr;
  if (const auto error = CreateTemporaryFile(target, temporary, file)) {
    return Failure(path, error);
  }
  // An interruption from here on removes it (see pending_temporary.h).
  NotePendingTemporary(temporary);
  FileProblem problem;
  try {
    problem = WriteStream(file, path, write);
  } catch (...) {
    // The caller hears of the failure; the half-written file goes.
    std::fclose(file);
    RemoveTemporary(temporary);
    ClearPendingTemporary();
    throw;
  }
  if (!problem) {
    if (const int error = SyncToDisk(fileno(file)); error != 0) problem = Failure(path, error);
  }
  if (!problem && target.kind == OutputTarget::Kind::kInPlace) {
    if (const auto error = CopyOverInPlace(file, target)) problem = Failure(path, error);
  }
  if (std::fclose(file) != 0 && !problem) problem = Failure(path, errno);
  if (problem || target.kind == OutputTarget::Kind::kInPlace) {
    RemoveTemporary(temporary);
    ClearPendingTemporary();
    return problem;
  }
  const auto error = ReplaceByTemporary(temporary, target);
  ClearPendingTemporary();
  if (error) return Failure(path, error);
  return {};
}

}  // namespace

FileProblem WriteFileAtomicallyReporting(const std::string& path,
                                         const std::function<bool(std::FILE*)>& write) {
  if (path == "-") return WriteStream(stdout, "-", write);
  if (path.empty()) return {.kind = FileProblemKind::kEmptyFileName};
  OutputTarget target;
  if (const auto error = FindOutputTarget(path, target)) return Failure(path, error);
  if (target.kind == OutputTarget::Kind::kStream) return WriteToStream(target, path, write);
  return WriteThroughTemporary(target, path, write);
}

FileProblem WriteTextFileAtomicallyReporting(const std::string& path, const std::string& text) {
  return WriteFileAtomicallyReporting(path, [&text](std::FILE* file) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
  });
}

std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::FILE*)>& write) {
  return FileProblemText(WriteFileAtomicallyReporting(path, write), Language::kEnglish);
}

std::string WriteTextFileAtomically(const std::string& path, const std::string& text) {
  return FileProblemText(WriteTextFileAtomicallyReporting(path, text), Language::kEnglish);
}

}  // namespace veltrisko
