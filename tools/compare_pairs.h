// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko::tool {

// compare --pairs: the `compare` figures for every row of a list of code
// pairs (`pairsPath`, "-" for standard input), written as CSV to `output`
// ("-" for standard output) with the list's own columns first, and a summary
// on standard error. Returns the exit status: 0 when every row was compared,
// 1 when the list cannot be read, the output cannot be written or a row holds
// a rejected code (its row says so; the other rows are still written).
int RunComparePairs(const std::string& pairsPath, float step, const std::string& output);

}  // namespace veltrisko::tool
