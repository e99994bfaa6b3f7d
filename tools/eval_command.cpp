// SPDX-License-Identifier: MIT
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/combination.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "tools/commands.h"
#include "tools/number_field.h"
#include "tools/percent_decoding.h"
#include "tools/printed_number.h"

namespace veltrisko::tool {
namespace {

constexpr const char* kMalformed = "error: malformed query";

// Fields are separated by exactly one blank, so an empty field is malformed.
std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = line.find(' ', start);
    fields.push_back(line.substr(start, blank - start));
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  return fields;
}

struct Query {
  std::string verb;
  std::vector<std::string> codes;
  std::vector<float> angles;
};

std::optional<Query> ParseQuery(const std::string& line) {
  const std::vector<std::string> fields = SplitFields(line);
  Query query;
  query.verb = fields.front();
  std::size_t codeCount = 0;
  if (query.verb == "component" || query.verb == "gain") {
    codeCount = 1;
  } else if (query.verb == "v6" || query.verb == "v7") {
    codeCount = 2;
  } else {
    return std::nullopt;
  }
  if (fields.size() != 1 + 2 * codeCount) return std::nullopt;
  for (std::size_t i = 1; i < fields.size(); ++i) {
    if (i <= codeCount) {
      std::optional<std::string> code = PercentDecode(fields[i]);
      if (!code) return std::nullopt;
      query.codes.push_back(std::move(*code));
    } else {
      const std::optional<float> angle = ParseFloatField(fields[i]);
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

void Answer(const std::string& line) {
  const std::optional<Query> query = ParseQuery(line);
  if (!query) {
    std::puts(kMalformed);
    return;
  }
  try {
    std::printf("%.9g\n", Printable(Evaluate(*query)));
  } catch (const InvalidAntennaCode& e) {
    std::printf("error: %s\n", e.what());
  }
}

}  // namespace

int RunEval(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("eval reads its queries from standard input");
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Answer(line);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("veltrisko-pattern: cannot write the answers\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
