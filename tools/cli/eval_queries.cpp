// SPDX-License-Identifier: MIT
#include "tools/cli/eval_queries.h"

#include <array>
#include <cerrno>
#include <optional>
#include <vector>

#include "model/combination.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "text/number_field.h"
#include "text/percent_decoding.h"
#include "tools/cli/printed_number.h"

namespace veltrisko::tool {
namespace {

constexpr const char* kMalformed = "error: malformed query";
// The longest query has five fields; reading stops at a sixth.
constexpr std::size_t kMostFields = 5;

struct Fields {
  std::array<std::string_view, kMostFields> text;
  std::size_t count = 0;
};

// Fields are separated by exactly one blank, so an empty field is malformed.
// Nothing for a line with more than kMostFields fields.
std::optional<Fields> SplitFields(std::string_view line) {
  Fields fields;
  while (true) {
    if (fields.count == kMostFields) return std::nullopt;
    const std::size_t blank = line.find(' ');
    fields.text[fields.count++] = line.substr(0, blank);
    if (blank == std::string_view::npos) return fields;
    line.remove_prefix(blank + 1);
  }
}

struct Query {
  std::string_view verb;
  std::vector<std::string> codes;
  std::vector<float> angles;
};

std::optional<Query> ParseQuery(std::string_view line) {
  const std::optional<Fields> fields = SplitFields(line);
  if (!fields) return std::nullopt;
  Query query;
  query.verb = fields->text[0];
  std::size_t codeCount = 0;
  if (query.verb == "component" || query.verb == "gain") {
    codeCount = 1;
  } else if (query.verb == "v6" || query.verb == "v7") {
    codeCount = 2;
  } else {
    return std::nullopt;
  }
  if (fields->count != 1 + 2 * codeCount) return std::nullopt;
  for (std::size_t i = 1; i < fields->count; ++i) {
    if (i <= codeCount) {
      std::optional<std::string> code = PercentDecode(fields->text[i]);
      if (!code) return std::nullopt;
      query.codes.push_back(std::move(*code));
    } else {
      const std::optional<float> angle = ParseFloatField(std::string(fields->text[i]));
      if (!angle) return std::nullopt;
      query.angles.push_back(*angle);
    }
  }
  return query;
}

double Evaluate(const Query& q) {
  if (q.verb == "component") return ComponentAttenuation(q.codes[0].c_str(), q.angles[0], true);
  if (q.verb == "gain") return ComponentAttenuation(q.codes[0].c_str(), q.angles[0], false);
  if (q.verb == "v6") {
    return CombinedAttenuationV6(q.angles[0], q.angles[1], q.codes[0].c_str(), q.codes[1].c_str());
  }
  return CombinedAttenuationV7(q.angles[0], q.angles[1], q.codes[0].c_str(), q.codes[1].c_str());
}

// Reads one line into `line` without its end; false at the end of the input
// or on a read error. `tooLong` tells that the line was longer than
// `maxLineBytes`: then `line` holds its start only and the rest is skipped.
bool ReadLine(std::FILE* in, std::size_t maxLineBytes, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  int c = 0;
  while ((c = std::getc(in)) != EOF && c != '\n') {
    if (line.size() < maxLineBytes + 1) {
      line.push_back(static_cast<char>(c));
    } else {
      tooLong = true;
    }
  }
  if (c == EOF && (std::ferror(in) || (line.empty() && !tooLong))) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > maxLineBytes) tooLong = true;
  return true;
}

}  // namespace

std::string AnswerQuery(std::string_view line) {
  const std::optional<Query> query = ParseQuery(line);
  if (!query) return kMalformed;
  try {
    char number[32];
    std::snprintf(number, sizeof number, "%.9g", Printable(Evaluate(*query)));
    return number;
  } catch (const InvalidAntennaCode& e) {
    return std::string("error: ") + e.what();
  }
}

QueriesOutcome AnswerQueries(std::FILE* in, std::FILE* out, std::size_t maxLineBytes) {
  std::string line;
  line.reserve(maxLineBytes + 1);
  bool tooLong = false;
  errno = 0;
  while (ReadLine(in, maxLineBytes, line, tooLong)) {
    const std::string answer = tooLong ? "error: line too long" : AnswerQuery(line);
    std::fputs(answer.c_str(), out);
    std::fputc('\n', out);
    if (std::ferror(out)) return {QueriesOutcome::kWriteFailed, errno};
    errno = 0;
  }
  if (std::ferror(in)) return {QueriesOutcome::kReadFailed, errno};
  return {};
}

}  // namespace veltrisko::tool
