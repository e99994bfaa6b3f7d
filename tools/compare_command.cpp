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
#include "tools/compare_figures.h"
#include "tools/compare_pairs.h"
#include "tools/standard_output.h"

namespace veltrisko::tool {
namespace {

// Below this the grid (and the --csv output) would grow past tens of
// millions of points.
constexpr float kSmallestCompareStep = 0.05f;

struct CompareOptions {
  std::optional<std::string> horizontalCode;
  std::optional<std::string> verticalCode;
  float step = 1.0f;
  bool csv = false;
  std::optional<std::string> pairs;
  std::optional<std::string> output;
  bool strict = false;
  std::optional<char> decimal;
};

TakeValue Into(std::optional<std::string>& into) {
  return [&into](const std::string& value) {
    into = value;
    return true;
  };
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        CompareOptions& options) {
  OptionReader reader("compare");
  reader.Value("--horizontal", "CODE", Into(options.horizontalCode));
  reader.Value("--vertical", "CODE", Into(options.verticalCode));
  reader.Value("--step", "DEG",
               NumberInto(options.step,
                          [](float step) { return step >= kSmallestCompareStep && step <= 90.0f; }),
               "must be a number from 0.05 to 90");
  reader.Flag("--csv", [&options] { options.csv = true; });
  reader.Value("--pairs", "FILE.csv", Into(options.pairs));
  reader.Value("--output", "FILE.csv", Into(options.output));
  reader.Flag("--strict", [&options] { options.strict = true; });
  reader.Value("--decimal", "point|comma",
               OneOf<std::optional<char>>(options.decimal, {{"point", '.'}, {"comma", ','}}),
               "must be point or comma");
  if (std::optional<std::string> problem = reader.Read(args)) return problem;
  if (options.pairs) {
    if (options.horizontalCode || options.verticalCode || options.csv) {
      return "compare: --pairs takes the codes from its list, without --horizontal, --vertical "
             "and --csv";
    }
    return std::nullopt;
  }
  if (options.output) return "compare: --output goes with --pairs";
  if (options.strict) return "compare: --strict goes with --pairs";
  if (options.decimal) return "compare: --decimal goes with --pairs";
  if (!options.horizontalCode) return "compare: --horizontal CODE is required";
  if (!options.verticalCode) return "compare: --vertical CODE is required";
  return std::nullopt;
}

void PrintSummary(const RuleDifferenceSurvey& s) {
  const CompareFigures f = FiguresOf(s);
  PutOut("largest difference: " + f[0] + " dB at azimuth " + f[1] + ", elevation " + f[2] +
         " (V6 " + f[3] + " dB, V7 " + f[4] + " dB)\n");
  PutOut("mean difference: " + f[5] + " dB\n");
  PutOut("share above 1 dB: " + f[6] + " %\n");
  PutOut("share above 3 dB: " + f[7] + " %\n");
  PutOut("share above 6 dB: " + f[8] + " %\n");
}

}  // namespace

int RunCompare(const std::vector<std::string>& args) {
  CompareOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  if (options.pairs) {
    return RunComparePairs({*options.pairs, options.step, options.output.value_or("-"),
                            options.strict, options.decimal});
  }
  const std::string& horizontalCode = *options.horizontalCode;
  const std::string& verticalCode = *options.verticalCode;
  const ParsedAntennaCode horizontal(horizontalCode.c_str());
  const ParsedAntennaCode vertical(verticalCode.c_str());
  if (!horizontal.Accepted() || !horizontal.Scans()) {
    std::fprintf(stderr, "veltrisko-pattern: invalid horizontal antenna code '%s'\n",
                 horizontalCode.c_str());
    return 1;
  }
  if (!vertical.Accepted() || !vertical.Scans()) {
    std::fprintf(stderr, "veltrisko-pattern: invalid vertical antenna code '%s'\n",
                 verticalCode.c_str());
    return 1;
  }
  std::function<void(const RuleComparison&)> row;
  if (options.csv) {
    PutOut("azimuth,elevation,v6,v7,difference\n");
    row = [](const RuleComparison& c) {
      char line[160];
      const int n = std::snprintf(line, sizeof line, "%.9g,%.9g,%.9g,%.9g,%.9g\n", c.azimuth,
                                  c.elevation, c.v6Db + 0.0f, c.v7Db + 0.0f, c.differenceDb + 0.0f);
      PutOut(std::string_view(line, static_cast<std::size_t>(n)));
    };
  }
  const std::optional<RuleDifferenceSurvey> survey =
      SurveyRuleDifference(horizontal, vertical, options.step, row);
  if (!survey) {
    std::fputs("veltrisko-pattern: the codes cannot be evaluated over the sphere\n", stderr);
    return 1;
  }
  if (!options.csv) PrintSummary(*survey);
  if (const std::optional<std::string> problem = FinishStandardOutput()) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write the comparison: %s\n", problem->c_str());
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
