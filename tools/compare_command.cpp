// SPDX-License-Identifier: MIT
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/rule_difference.h"
#include "model/parsed_antenna_code.h"
#include "tools/cli/option_reader.h"
#include "tools/commands.h"

namespace veltrisko::tool {
namespace {

// Below this the grid (and the --csv output) would grow past tens of
// millions of points.
constexpr float kSmallestCompareStep = 0.05f;

struct CompareOptions {
  std::string horizontalCode;
  std::string verticalCode;
  float step = 1.0f;
  bool csv = false;
};

std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        CompareOptions& options) {
  OptionReader reader("compare");
  reader.Value("--horizontal", "CODE", TextInto(options.horizontalCode)).Required();
  reader.Value("--vertical", "CODE", TextInto(options.verticalCode)).Required();
  reader.Value("--step", "DEG",
               NumberInto(options.step,
                          [](float step) { return step >= kSmallestCompareStep && step <= 90.0f; }),
               "must be a number from 0.05 to 90");
  reader.Flag("--csv", [&options] { options.csv = true; });
  return reader.Read(args);
}

void PrintSummary(const RuleDifferenceSurvey& s) {
  const RuleComparison& m = s.largest;
  std::printf(
      "largest difference: %.2f dB at azimuth %.2f, elevation %.2f (V6 %.2f dB, V7 %.2f dB)\n",
      m.differenceDb, m.azimuth + 0.0f, m.elevation + 0.0f, m.v6Db + 0.0f, m.v7Db + 0.0f);
  std::printf("mean difference: %.2f dB\n", s.meanDb);
  std::printf("share above 1 dB: %.2f %%\n", 100.0 * s.shareAbove1Db);
  std::printf("share above 3 dB: %.2f %%\n", 100.0 * s.shareAbove3Db);
  std::printf("share above 6 dB: %.2f %%\n", 100.0 * s.shareAbove6Db);
}

}  // namespace

int RunCompare(const std::vector<std::string>& args) {
  CompareOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  const ParsedAntennaCode horizontal(options.horizontalCode.c_str());
  const ParsedAntennaCode vertical(options.verticalCode.c_str());
  if (!horizontal.Accepted() || !horizontal.Scans()) {
    std::fprintf(stderr, "veltrisko-pattern: invalid horizontal antenna code '%s'\n",
                 options.horizontalCode.c_str());
    return 1;
  }
  if (!vertical.Accepted() || !vertical.Scans()) {
    std::fprintf(stderr, "veltrisko-pattern: invalid vertical antenna code '%s'\n",
                 options.verticalCode.c_str());
    return 1;
  }
  std::function<void(const RuleComparison&)> row;
  if (options.csv) {
    std::puts("azimuth,elevation,v6,v7,difference");
    row = [](const RuleComparison& c) {
      std::printf("%.9g,%.9g,%.9g,%.9g,%.9g\n", c.azimuth, c.elevation, c.v6Db + 0.0f,
                  c.v7Db + 0.0f, c.differenceDb + 0.0f);
    };
  }
  const std::optional<RuleDifferenceSurvey> survey =
      SurveyRuleDifference(horizontal, vertical, options.step, row);
  if (!survey) {
    std::fputs("veltrisko-pattern: the codes cannot be evaluated over the sphere\n", stderr);
    return 1;
  }
  if (!options.csv) PrintSummary(*survey);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("veltrisko-pattern: cannot write the comparison\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
