// SPDX-License-Identifier: MIT
// The system-specific half of WriteFileAtomically: what an output path leads
// to and the file operations on it (output_target_posix.cpp,
// output_target_windows.cpp).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

namespace veltrisko {

// What an output path leads to, found before anything is written.
struct OutputTarget {
  enum class Kind {
    kStream,   // written directly: a device, a pipe, a socket
    kReplace,  // a new file, or a regular file replaced by a temporary one
    kInPlace,  // a regular file with several hard links, rewritten in place
  };
  Kind kind = Kind::kReplace;
  // The file itself: where a chain of symbolic links ends.
  std::string path;
  // The existing regular file's metadata that the new one takes over:
  // permission bits, owner and group (POSIX) or attributes (Windows).
  bool exists = false;
  std::uint32_t mode = 0;
  std::int64_t owner = -1;
  std::int64_t group = -1;
};

std::error_code FindOutputTarget(const std::string& path, OutputTarget& target);

// Opens a kStream target for writing, without creating anything.
std::error_code OpenOutputStream(const OutputTarget& target, std::FILE*& stream);

// Creates a new, empty file beside target.path ("<name>.tmp…"), open for
// reading and writing, with the existing file's metadata.
std::error_code CreateTemporaryFile(const OutputTarget& target, std::string& name,
                                    std::FILE*& file);

// Renames the complete, synced temporary file over target.path and syncs
// the folder. A failed rename removes the temporary file.
std::error_code ReplaceByTemporary(const std::string& temporary, const OutputTarget& target);

// Copies all of `content` over the existing file target.path in place and
// syncs it; reserves the space first, so that a full disk changes nothing.
std::error_code CopyOverInPlace(std::FILE* content, const OutputTarget& target);

void RemoveTemporary(const std::string& name);

}  // namespace veltrisko
