// SPDX-License-Identifier: MIT
// export: the cuts of a code pair (or of one component) as an MSI Planet or
// CSV file.
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/atomic_file.h"
#include "interchange/csv_format.h"
#include "interchange/msi_format.h"
#include "interchange/pattern_cuts.h"
#include "interchange/pattern_export.h"
#include "model/invalid_antenna_code.h"
#include "tools/cli/option_reader.h"
#include "tools/cli/scene_options.h"
#include "tools/commands.h"

namespace veltrisko::tool {
namespace {

enum class Component { kBoth, kHorizontal, kVertical };

struct ExportOptions {
  std::optional<std::string> horizontal;
  std::optional<std::string> vertical;
  CombinationRule rule = CombinationRule::kV7;
  Component component = Component::kBoth;
  std::optional<PatternFormat> format;
  std::string name;
  float gain = 0.0f;
  std::string output;
};

TakeValue CodeInto(std::optional<std::string>& into) {
  return [&into](const std::string& value) {
    into = value;
    return true;
  };
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        ExportOptions& options) {
  OptionReader reader("export");
  reader.Value("--horizontal", "CODE", CodeInto(options.horizontal));
  reader.Value("--vertical", "CODE", CodeInto(options.vertical));
  reader.Value("--rule", "v6|v7",
               OneOf<CombinationRule>(options.rule,
                                      {{"v6", CombinationRule::kV6}, {"v7", CombinationRule::kV7}}),
               "must be v6 or v7");
  reader.Value("--component", "horizontal|vertical",
               OneOf<Component>(options.component, {{"horizontal", Component::kHorizontal},
                                                    {"vertical", Component::kVertical}}),
               "must be horizontal or vertical");
  reader.Value("--gain", "DBI", NumberInto(options.gain, [](float) { return true; }),
               "must be a number (dBi)");
  reader.Value("--name", "TEXT", TextInto(options.name));
  reader.Value(
      "--format", "msi|csv",
      [&options](const std::string& value) {
        if (value != "msi" && value != "csv") return false;
        options.format = value == "csv" ? PatternFormat::kCsv : PatternFormat::kMsi;
        return true;
      },
      "must be msi or csv");
  DeclareOutputOption(reader, options.output, "FILE");
  if (std::optional<std::string> problem = reader.Read(args)) return problem;
  if (options.output.empty()) return "export: --output FILE is required ('-' for standard output)";
  if (!options.format) options.format = FormatOfPath(options.output);
  if (options.component != Component::kVertical && !options.horizontal) {
    return "export: --horizontal CODE is required";
  }
  if (options.component != Component::kHorizontal && !options.vertical) {
    return "export: --vertical CODE is required";
  }
  return std::nullopt;
}

// The cuts and the comment that says what they hold.
PatternCuts CutsOf(const ExportOptions& options, std::string& comment) {
  const std::string horizontal = options.horizontal.value_or("");
  const std::string vertical = options.vertical.value_or("");
  if (options.component == Component::kBoth) {
    comment = PairComment(horizontal, vertical, options.rule);
    return CombinedCuts(ParsedAntennaCode(horizontal.c_str()), ParsedAntennaCode(vertical.c_str()),
                        options.rule);
  }
  const bool isHorizontal = options.component == Component::kHorizontal;
  const std::string& code = isHorizontal ? horizontal : vertical;
  comment = ComponentComment(code, isHorizontal);
  PatternCuts cuts;
  (isHorizontal ? cuts.horizontal : cuts.vertical) = ComponentCut(ParsedAntennaCode(code.c_str()));
  return cuts;
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
  ExportOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  for (const auto& [code, which] :
       {std::pair{&options.horizontal, "horizontal"}, std::pair{&options.vertical, "vertical"}}) {
    if (!*code) continue;
    try {
      ParsedAntennaCode((*code)->c_str()).ComponentAttenuation(0.0f, true);
    } catch (const InvalidAntennaCode&) {
      std::fprintf(stderr, "veltrisko-pattern: invalid %s antenna code '%s'\n", which,
                   (*code)->c_str());
      return 1;
    }
  }
  std::string comment;
  PatternCuts cuts;
  try {
    cuts = CutsOf(options, comment);
  } catch (const InvalidAntennaCode& e) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", e.what());
    return 1;
  }
  const std::string name =
      options.name.empty()
          ? DefaultPatternName(options.horizontal.value_or(""), options.vertical.value_or(""))
          : options.name;
  const std::string text = *options.format == PatternFormat::kCsv
                               ? FormatCsvPattern(cuts, comment)
                               : FormatMsiPattern(cuts, {name, options.gain, comment});
  const std::string problem = WriteTextFileAtomically(options.output, text);
  if (!problem.empty()) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem.c_str());
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
