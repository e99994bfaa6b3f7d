// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace veltrisko::tool {

struct ComparePairsOptions {
  std::string pairsPath;  // "-" for standard input
  float step = 1.0f;
  std::string output = "-";     // "-" for standard output
  bool strict = false;          // a code off its seven-character form rejects its row
  std::optional<char> decimal;  // '.' or ','; unset: ',' for semicolon lists, else '.'
};

// compare --pairs: the `compare` figures for every row of a list of code
// pairs, written as CSV in the list's own separator, line ends, encoding and
// byte order mark, with the list's own columns first, and a summary on
// standard error. Each row's `warning` names a code written off the
// seven-character form (CheckCodeForm). Returns the exit status: 0 when
// every row was compared, 1 when the list cannot be read, the output cannot
// be written or a row holds a rejected code (its row says so; the other rows
// are still written).
int RunComparePairs(const ComparePairsOptions& options);

}  // namespace veltrisko::tool
