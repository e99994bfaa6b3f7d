// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "text/file_problem.h"

namespace veltrisko {

// Writes one output file whole or not at all. `write` fills the stream and
// returns false when it could not produce the content; an exception from
// `write` is passed on after the clean-up below. What `path` names decides
// how the bytes get there:
//
// - "-": standard output.
// - Nothing yet, or a regular file: the bytes go to a temporary file in the
//   same folder, which is flushed and synced to disk and then renamed over
//   `path`; the folder is synced after the rename. On any failure (a failed
//   sync included) the temporary file is removed and an existing file is left
//   untouched. The new file takes over the old one's permission bits, and its
//   owner and group as far as the process may set them (set-user-ID and
//   set-group-ID are dropped when the owner cannot be kept). On Windows the
//   rename writes through, and the new file takes over the old one's
//   attributes; a read-only file refuses to be replaced.
// - A regular file with several hard links: the complete content is first
//   written and synced to a temporary file as above, then copied over the
//   existing file in place (space reserved first, then synced), so that every
//   link shows the new content. An interruption during that copy (not a
//   failure to find space, which is detected first) can leave the file
//   mixed; this is the price of keeping the links together.
// - A symbolic link, or a chain of them, or one whose target does not exist
//   yet: the link stays; the file it leads to is written as above, with the
//   temporary file in that file's folder. A loop of links is an error. (On
//   Windows only a link whose file exists is followed.)
// - Not a regular file (character or block device, FIFO, a socket on Linux;
//   a device name such as NUL or CON, or a \\.\ path on Windows): the bytes
//   are written to it directly, as to standard output; a failed write is
//   still reported.
// - A folder: an error.
//
// Paths are UTF-8 on every system. Returns an empty string on success,
// otherwise a message in English that names the path and the cause
// ("cannot write 'x.png': No space left on device").
std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::FILE*)>& write);

// Writes `text` through WriteFileAtomically.
std::string WriteTextFileAtomically(const std::string& path, const std::string& text);

// The same, the failure as data for a message in any language (none on
// success).
FileProblem WriteFileAtomicallyReporting(const std::string& path,
                                         const std::function<bool(std::FILE*)>& write);
FileProblem WriteTextFileAtomicallyReporting(const std::string& path, const std::string& text);

}  // namespace veltrisko
