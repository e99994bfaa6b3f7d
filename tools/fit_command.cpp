// SPDX-License-Identifier: MIT
// fit: the HCM codes that best describe the cuts of a pattern file.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fit/code_fit.h"
#include "fit/pair_deviation.h"
#include "interchange/pattern_file.h"
#include "tools/cli/option_reader.h"
#include "tools/commands.h"

namespace veltrisko::tool {
namespace {

constexpr int kMostListed = 100;

struct FitOptions {
  std::string path;
  FitSettings settings;
  bool csv = false;
  bool exhaustive = false;
};

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, FitOptions& options) {
  bool hasPath = false;
  float tolerance = 0.0f;
  float top = static_cast<float>(options.settings.top);
  OptionReader reader("fit");
  reader.Value(
      "--criterion", "envelope|rms",
      OneOf<FitCriterion>(options.settings.criterion,
                          {{"envelope", FitCriterion::kEnvelope}, {"rms", FitCriterion::kRms}}),
      "must be envelope or rms");
  reader.Value("--tolerance", "DB",
               NumberInto(tolerance,
                          [](float tolerance) { return tolerance >= 0.0f && tolerance <= 40.0f; }),
               "must be a number of dB from 0 to 40");
  reader.Value(
      "--top", "N",
      NumberInto(top, [](float n) { return n >= 1.0f && n <= kMostListed && n == std::floor(n); }),
      "must be a whole number from 1 to 100");
  reader.Flag("--csv", [&options] { options.csv = true; });
  reader.Flag("--exhaustive", [&options] { options.exhaustive = true; });
  reader.Operands([&](const std::string& word) -> std::optional<std::string> {
    if (hasPath) return "one FILE only ('" + word + "' is a second)";
    options.path = word;
    hasPath = true;
    return std::nullopt;
  });
  if (std::optional<std::string> problem = reader.Read(args)) return problem;
  if (!hasPath) return "fit: FILE is required (an MSI Planet or CSV file, '-' for standard input)";
  options.settings.toleranceDb = tolerance;
  options.settings.top = static_cast<int>(top);
  return std::nullopt;
}

void PrintTable(const char* title, const std::vector<RankedCode>& codes) {
  std::printf("%s\n  rank  code     max dev  rms     mean excess  (dB)\n", title);
  if (codes.empty()) std::printf("  no code stays within the envelope\n");
  for (std::size_t i = 0; i < codes.size(); ++i) {
    std::printf("  %4zu  %-7s  %7.2f  %6.2f  %11.2f\n", i + 1, codes[i].code.c_str(),
                codes[i].score.maxDeviation, codes[i].Rms(), codes[i].MeanExcess());
  }
}

void PrintCsv(const char* component, const std::vector<RankedCode>& codes) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    std::printf("%s,%zu,%s,%.4f,%.4f,%.4f\n", component, i + 1, codes[i].code.c_str(),
                codes[i].score.maxDeviation, codes[i].Rms(), codes[i].MeanExcess());
  }
}

void PrintReport(const FitOptions& options, const CodeFit& fit,
                 const std::optional<CutLosses>& horizontal,
                 const std::optional<CutLosses>& vertical) {
  const bool envelope = options.settings.criterion == FitCriterion::kEnvelope;
  if (options.csv) {
    std::printf("component,rank,code,max_deviation_db,rms_db,mean_excess_db\n");
  } else {
    std::printf("Criterion: %s", envelope ? "envelope" : "rms");
    if (envelope) std::printf(", tolerance %.2f dB", options.settings.toleranceDb);
    std::printf("; %zu codes per component%s\n\n", fit.codesSearched,
                options.exhaustive ? ", evaluated exhaustively" : "");
  }
  for (const auto& [name, list] :
       {std::pair{"horizontal", &fit.horizontal}, std::pair{"vertical", &fit.vertical}}) {
    if (!*list) continue;
    if (options.csv) {
      PrintCsv(name, **list);
    } else {
      const std::string title =
          std::string("The ") + name + " component against the " + name + " cut:";
      PrintTable(title.c_str(), **list);
      std::printf("\n");
    }
  }
  if (!horizontal || !vertical || fit.horizontal->empty() || fit.vertical->empty()) return;
  const std::string& h = fit.horizontal->front().code;
  const std::string& v = fit.vertical->front().code;
  if (!options.csv)
    std::printf("The best pair %s %s, combined, against both cuts:\n", h.c_str(), v.c_str());
  for (const auto& [rule, name] :
       {std::pair{CombinationRule::kV6, "v6"}, std::pair{CombinationRule::kV7, "v7"}}) {
    const PairDeviation deviation = CombinedDeviation(h, v, *horizontal, *vertical, rule);
    if (options.csv) {
      std::printf("combined_%s,1,%s %s,%.4f,%.4f,\n", name, h.c_str(), v.c_str(),
                  deviation.maxDeviation, deviation.rms);
    } else {
      std::printf("  %s: max dev %.2f dB, rms %.2f dB\n",
                  rule == CombinationRule::kV6 ? "V6" : "V7", deviation.maxDeviation,
                  deviation.rms);
    }
  }
}

}  // namespace

int RunFit(const std::vector<std::string>& args) {
  FitOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  const PatternReading reading = ReadPatternFile(options.path);
  if (!reading.file) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", reading.error.c_str());
    return 1;
  }
  std::optional<CutLosses> horizontal;
  std::optional<CutLosses> vertical;
  if (reading.file->horizontal) horizontal = LossesOnDegreeGrid(*reading.file->horizontal);
  if (reading.file->vertical) vertical = LossesOnDegreeGrid(*reading.file->vertical);
  const CodeFit fit = FitCodes(horizontal, vertical, options.settings, CodeSpace::Full(),
                               options.exhaustive ? FitSearch::kExhaustive : FitSearch::kFast);
  PrintReport(options, fit, horizontal, vertical);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("veltrisko-pattern: cannot write the fit\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
