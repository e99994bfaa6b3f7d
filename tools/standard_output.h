// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace veltrisko::tool {

// Flushes standard output; when that or an earlier write failed, the
// system's reason ("No space left on device").
std::optional<std::string> FinishStandardOutput();

}  // namespace veltrisko::tool
