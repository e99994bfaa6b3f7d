// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace veltrisko::tool {

// The longest query line eval reads, without its line end. A longer line is
// answered "error: line too long" and skipped up to its end.
inline constexpr std::size_t kMaxQueryLineBytes = 64 * 1024;

// The answer to one query line (without its line end), without a line end:
// the number with %.9g, "error: malformed query" or "error: " and the
// model's message for a rejected code.
std::string AnswerQuery(std::string_view line);

struct QueriesOutcome {
  enum Kind { kDone, kReadFailed, kWriteFailed } kind = kDone;
  int error = 0;  // errno of the failure
};

// Answers every line of `in` on `out`, one answer line per query line, with
// memory bounded by `maxLineBytes` whatever the input. Stops at the first
// read error and at the first failed write.
QueriesOutcome AnswerQueries(std::FILE* in, std::FILE* out,
                             std::size_t maxLineBytes = kMaxQueryLineBytes);

}  // namespace veltrisko::tool
