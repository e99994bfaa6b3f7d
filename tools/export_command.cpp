// SPDX-License-Identifier: MIT
// export: the cuts of a code pair (or of one component) as an MSI Planet or
// CSV file.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "interchange/csv_format.h"
#include "interchange/msi_format.h"
#include "interchange/pattern_cuts.h"
#include "model/invalid_antenna_code.h"
#include "tools/cli/number_field.h"
#include "tools/commands.h"

namespace veltrisko::tool {
namespace {

constexpr const char* kConventions =
    "Horizontal angle: relative azimuth, 0 = main direction, increasing clockwise seen from "
    "above. Vertical angle: 0 = horizon in front, 90 = straight down, 180 = horizon behind, "
    "270 = straight up.";

enum class Component { kBoth, kHorizontal, kVertical };

struct ExportOptions {
  std::map<std::string, std::string> values;
  CombinationRule rule = CombinationRule::kV7;
  Component component = Component::kBoth;
  PatternFormat format = PatternFormat::kMsi;
  double gain = 0.0;
};

std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        ExportOptions& options) {
  static const char* const kNames[] = {"--horizontal", "--vertical", "--rule",   "--component",
                                       "--gain",       "--name",     "--format", "--output"};
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string& name = args[i];
    if (std::find(std::begin(kNames), std::end(kNames), name) == std::end(kNames)) {
      return "export: unknown option '" + name + "'";
    }
    if (i + 1 >= args.size()) return "export: " + name + " needs a value";
    options.values[name] = args[i + 1];
  }
  const auto value = [&](const char* name) { return options.values.count(name) != 0; };
  if (value("--rule")) {
    const std::string& rule = options.values["--rule"];
    if (rule != "v6" && rule != "v7") return "export: --rule must be v6 or v7";
    options.rule = rule == "v6" ? CombinationRule::kV6 : CombinationRule::kV7;
  }
  if (value("--component")) {
    const std::string& component = options.values["--component"];
    if (component != "horizontal" && component != "vertical") {
      return "export: --component must be horizontal or vertical";
    }
    options.component = component == "horizontal" ? Component::kHorizontal : Component::kVertical;
  }
  if (value("--gain")) {
    const std::optional<float> gain = ParseFloatField(options.values["--gain"]);
    if (!gain || !std::isfinite(*gain)) return "export: --gain must be a number (dBi)";
    options.gain = *gain;
  }
  if (!value("--output")) return "export: --output FILE is required ('-' for standard output)";
  const std::string& output = options.values["--output"];
  options.format = FormatOfPath(output);
  if (value("--format")) {
    const std::string& format = options.values["--format"];
    if (format != "msi" && format != "csv") return "export: --format must be msi or csv";
    options.format = format == "csv" ? PatternFormat::kCsv : PatternFormat::kMsi;
  }
  if (options.component != Component::kVertical && !value("--horizontal")) {
    return "export: --horizontal CODE is required";
  }
  if (options.component != Component::kHorizontal && !value("--vertical")) {
    return "export: --vertical CODE is required";
  }
  return std::nullopt;
}

// The cuts and the comment that says what they hold.
PatternCuts CutsOf(const ExportOptions& options, std::string& comment) {
  const std::string horizontal =
      options.values.count("--horizontal") != 0 ? options.values.at("--horizontal") : std::string();
  const std::string vertical =
      options.values.count("--vertical") != 0 ? options.values.at("--vertical") : std::string();
  PatternCuts cuts;
  if (options.component == Component::kBoth) {
    const char* rule = options.rule == CombinationRule::kV6 ? "V6" : "V7";
    comment = "HCM antenna codes: horizontal " + horizontal + ", vertical " + vertical +
              "; combined by the HCM " + rule + " rule. " + kConventions +
              " Loss: combined attenuation in dB.";
    return CombinedCuts(ParsedAntennaCode(horizontal.c_str()), ParsedAntennaCode(vertical.c_str()),
                        options.rule);
  }
  const bool isHorizontal = options.component == Component::kHorizontal;
  const std::string& code = isHorizontal ? horizontal : vertical;
  comment = std::string("HCM antenna code of the ") + (isHorizontal ? "horizontal" : "vertical") +
            " component alone: " + code + "; the " + (isHorizontal ? "VERTICAL" : "HORIZONTAL") +
            " cut is 0 dB (no " + (isHorizontal ? "vertical" : "horizontal") + " component). " +
            kConventions + " Loss: the component's attenuation in dB at the angle off its axis.";
  (isHorizontal ? cuts.horizontal : cuts.vertical) = ComponentCut(ParsedAntennaCode(code.c_str()));
  return cuts;
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
  ExportOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  for (const char* which : {"horizontal", "vertical"}) {
    const auto code = options.values.find(std::string("--") + which);
    if (code == options.values.end()) continue;
    try {
      ParsedAntennaCode(code->second.c_str()).ComponentAttenuation(0.0f, true);
    } catch (const InvalidAntennaCode&) {
      std::fprintf(stderr, "veltrisko-pattern: invalid %s antenna code '%s'\n", which,
                   code->second.c_str());
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
  std::string name = options.values.count("--name") != 0 ? options.values["--name"] : "";
  if (name.empty()) {
    for (const char* key : {"--horizontal", "--vertical"}) {
      if (options.values.count(key) != 0) name += (name.empty() ? "" : " ") + options.values[key];
    }
  }
  const std::string text = options.format == PatternFormat::kCsv
                               ? FormatCsvPattern(cuts)
                               : FormatMsiPattern(cuts, {name, options.gain, comment});
  const std::string problem = WriteTextFileAtomically(options.values["--output"], text);
  if (!problem.empty()) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem.c_str());
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
