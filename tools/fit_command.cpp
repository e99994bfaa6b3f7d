// SPDX-License-Identifier: MIT
// fit: the HCM codes that best describe the cuts of pattern files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fit/fit_report.h"
#include "fit/fit_session.h"
#include "fit/pattern_fit.h"
#include "interchange/pattern_file.h"
#include "tools/cli/option_reader.h"
#include "tools/commands.h"
#include "tools/standard_output.h"

namespace veltrisko::tool {
namespace {

enum class Output { kText, kCsv, kJson };

struct FitOptions {
  std::vector<std::string> paths;
  PatternFitRequest request;
  Output output = Output::kText;
};

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, FitOptions& options) {
  float tolerance = 0.0f;
  bool toleranceGiven = false;
  float top = static_cast<float>(options.request.top);
  bool exhaustive = false;
  OptionReader reader("fit");
  reader.Value(
      "--criterion", "envelope|rms",
      OneOf<FitCriterion>(options.request.criterion,
                          {{"envelope", FitCriterion::kEnvelope}, {"rms", FitCriterion::kRms}}),
      "must be envelope or rms");
  const auto takeTolerance =
      NumberInto(tolerance, [](float tolerance) { return IsFitTolerance(tolerance); });
  reader.Value(
      "--tolerance", "DB",
      [&](const std::string& value) { return toleranceGiven = takeTolerance(value); },
      "must be " + FitToleranceRule());
  reader.Value("--top", "N", NumberInto(top, [](float n) { return IsFitCount(n); }),
               "must be " + FitCountRule());
  reader.Flag("--csv", [&options] { options.output = Output::kCsv; });
  reader.Flag("--json", [&options] { options.output = Output::kJson; });
  reader.Exclusive({"--csv", "--json"});
  reader.Flag("--no-align", [&options] { options.request.align = false; });
  reader.Flag("--exhaustive", [&exhaustive] { exhaustive = true; });
  reader.Operands([&](const std::string& word) -> std::optional<std::string> {
    if (word == "-" &&
        std::find(options.paths.begin(), options.paths.end(), word) != options.paths.end()) {
      return "standard input ('-') can be read once only";
    }
    options.paths.push_back(word);
    return std::nullopt;
  });
  if (std::optional<std::string> problem = reader.Read(args)) return problem;
  if (options.paths.empty()) {
    return "fit: FILE is required (a pattern file: MSI Planet, NSMA, EDX, Radio Mobile or CSV; "
           "'-' for standard input)";
  }
  if (toleranceGiven) options.request.toleranceDb = tolerance;
  options.request.top = static_cast<int>(top);
  options.request.search = exhaustive ? FitSearch::kExhaustive : FitSearch::kFast;
  return std::nullopt;
}

}  // namespace

int RunFit(const std::vector<std::string>& args) {
  FitOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  // Every file is read before anything is written: a file that cannot be
  // read stops the command with nothing half said.
  std::vector<PatternFile> files;
  for (const std::string& path : options.paths) {
    PatternReading reading = ReadPatternFile(path);
    if (!reading.file) {
      std::fprintf(stderr, "veltrisko-pattern: %s\n", reading.error.c_str());
      return 1;
    }
    files.push_back(std::move(*reading.file));
  }
  const CodeSpace space = CodeSpace::Full();
  const bool several = files.size() > 1;
  if (options.output == Output::kCsv) PutOut(FitCsvHeader(several));
  if (options.output == Output::kJson && several) PutOut("[\n");
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& path = options.paths[i];
    const PatternFit fit = FitPattern(files[i], options.request, space);
    std::string text;
    switch (options.output) {
      case Output::kCsv:
        text = FitCsvRows(path, fit, several);
        break;
      case Output::kJson:
        text = FitJson(path, files[i].format, fit);
        text += several && i + 1 < files.size() ? ",\n" : "\n";
        break;
      case Output::kText:
        text = i > 0 ? "\n" : "";
        text +=
            FitText(path, files[i].format, fit, options.request.search == FitSearch::kExhaustive);
        break;
    }
    PutOut(text);
  }
  if (options.output == Output::kJson && several) PutOut("]\n");
  if (const std::optional<std::string> problem = FinishStandardOutput()) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write the fit: %s\n", problem->c_str());
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
