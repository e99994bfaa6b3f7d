// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrisko {

// The most characters a code field takes: a code is seven, a pasted pair of
// codes with its separator and some surrounding blanks still fits.
inline constexpr int kCodeFieldMaxLength = 32;

// What a code field's text holds once white space around it is gone: one
// text for this field and, where two words were pasted (a spreadsheet's
// tab-separated pair, or two codes with blanks between), the second for the
// other field.
struct TidiedCodeText {
  std::string first;
  std::optional<std::string> second;
};

// Trims blanks, tabs, line ends and no-break spaces around the text; a text
// of exactly two words is split into them. Any other text is only trimmed.
TidiedCodeText TidyCodeText(std::string_view text);

}  // namespace veltrisko
