// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrisko {

// Decodes a percent-encoded field: "%XX" (two hex digits) is the byte XX,
// every other character stands for itself. "%00" ends the text at once,
// whatever follows. Returns nothing for a '%' without two hex digits.
std::optional<std::string> PercentDecode(std::string_view field);

}  // namespace veltrisko
