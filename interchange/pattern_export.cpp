// SPDX-License-Identifier: MIT
#include "interchange/pattern_export.h"

#include "interchange/csv_format.h"
#include "interchange/msi_format.h"

namespace veltrisko {

const char* const kPatternAngleConventions =
    "Horizontal angle: relative azimuth, 0 = main direction, increasing clockwise seen from "
    "above. Vertical angle: 0 = horizon in front, 90 = straight down, 180 = horizon behind, "
    "270 = straight up.";

std::string PairComment(const std::string& horizontal, const std::string& vertical,
                        CombinationRule rule) {
  const char* ruleName = rule == CombinationRule::kV6 ? "V6" : "V7";
  return "HCM antenna codes: horizontal " + horizontal + ", vertical " + vertical +
         "; combined by the HCM " + ruleName + " rule. " + kPatternAngleConventions +
         " Loss: combined attenuation in dB.";
}

std::string ComponentComment(const std::string& code, bool horizontalComponent) {
  const bool h = horizontalComponent;
  return std::string("HCM antenna code of the ") + (h ? "horizontal" : "vertical") +
         " component alone: " + code + "; the " + (h ? "VERTICAL" : "HORIZONTAL") +
         " cut is 0 dB (no " + (h ? "vertical" : "horizontal") + " component). " +
         kPatternAngleConventions +
         " Loss: the component's attenuation in dB at the angle off its axis.";
}

std::string DefaultPatternName(const std::string& horizontal, const std::string& vertical) {
  if (horizontal.empty() || vertical.empty()) return horizontal + vertical;
  return horizontal + " " + vertical;
}

std::string ExportedPairText(const std::string& horizontal, const std::string& vertical,
                             CombinationRule rule, PatternFormat format, const std::string& name) {
  const PatternCuts cuts = CombinedCuts(ParsedAntennaCode(horizontal.c_str()),
                                        ParsedAntennaCode(vertical.c_str()), rule);
  if (format == PatternFormat::kCsv) {
    return FormatCsvPattern(cuts, PairComment(horizontal, vertical, rule));
  }
  return FormatMsiPattern(cuts, {name.empty() ? DefaultPatternName(horizontal, vertical) : name,
                                 0.0, PairComment(horizontal, vertical, rule)});
}

}  // namespace veltrisko
