// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace veltrisko {

// Writes one output file whole or not at all. `write` fills the stream and
// returns false when it could not produce the content. The bytes go to a
// temporary file in the same folder, which replaces `path` only when
// everything was written and flushed; on any failure the temporary file is
// removed and an existing file at `path` is left untouched; an exception
// from `write` is passed on after the same clean-up. The path "-"
// means standard output.
//
// Returns an empty string on success, otherwise a message that names the path
// and the cause ("cannot write 'x.png': No space left on device").
std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::FILE*)>& write);

// Writes `text` through WriteFileAtomically.
std::string WriteTextFileAtomically(const std::string& path, const std::string& text);

}  // namespace veltrisko
