// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrisko::tool {

// Writes `text` to standard output; the system's reason for the first write
// that fails is kept for FinishStandardOutput (stdio drops a failed buffer,
// so a later flush no longer knows it). False once a write has failed.
bool PutOut(std::string_view text);

// Flushes standard output; when that or an earlier write failed, the
// system's reason ("No space left on device").
std::optional<std::string> FinishStandardOutput();

}  // namespace veltrisko::tool
