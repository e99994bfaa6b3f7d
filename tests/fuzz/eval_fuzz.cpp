// SPDX-License-Identifier: MIT
// eval's line reader on whole buffers of arbitrary bytes, with a short line
// limit so that overlong lines are common. Aborts unless every input line
// gets exactly one answer line that is a number or an error.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/cli/eval_queries.h"

namespace {

constexpr std::size_t kLineLimit = 48;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "eval_fuzz: %s\n", what);
    std::abort();
  }
}

std::size_t LinesIn(const char* data, std::size_t size) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n';
  return lines + (size > 0 && data[size - 1] != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  char* written = nullptr;
  std::size_t writtenSize = 0;
  std::FILE* out = open_memstream(&written, &writtenSize);
  Require(in != nullptr && out != nullptr, "no in-memory streams");
  const auto outcome = veltrisko::tool::AnswerQueries(in, out, kLineLimit);
  std::fclose(in);
  std::fclose(out);
  const std::string answers(written, writtenSize);
  std::free(written);

  Require(outcome.kind == veltrisko::tool::QueriesOutcome::kDone, "reading or writing failed");
  Require(LinesIn(answers.data(), answers.size()) == LinesIn(input.data(), input.size()),
          "not one answer per line");
  std::size_t start = 0;
  while (start < answers.size()) {
    const std::size_t end = answers.find('\n', start);
    Require(end != std::string::npos, "unterminated answer");
    const std::string answer = answers.substr(start, end - start);
    char* rest = nullptr;
    std::strtod(answer.c_str(), &rest);
    Require(answer.rfind("error: ", 0) == 0 || (!answer.empty() && *rest == '\0'),
            "an answer that is neither a number nor an error");
    start = end + 1;
  }
  return 0;
}
