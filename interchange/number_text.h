// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace veltrisko {

// A finite decimal number spanning the whole text (an optional sign, no
// blanks), read independently of the locale; nothing for anything else.
std::optional<double> ParseDecimal(std::string_view text);

// The text without leading and trailing blanks, tabs and carriage returns.
std::string_view TrimBlanks(std::string_view text);

// The blank-separated words of a line.
std::vector<std::string_view> SplitWords(std::string_view line);

// The fields of a line, split at commas, blanks and tabs; empty ones dropped.
std::vector<std::string_view> CommaOrBlankFields(std::string_view line);

// Calls `take(lineNumber, line)` for every line of `text` (LF or CRLF ends),
// numbered from 1; stops early when `take` returns false.
template <class Take>
void ForEachLine(std::string_view text, Take take) {
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (!take(++number, line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace veltrisko
