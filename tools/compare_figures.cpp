// SPDX-License-Identifier: MIT
#include "tools/compare_figures.h"

#include <cstdio>

namespace veltrisko::tool {
namespace {

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

const std::array<const char*, 9> kCompareFigureColumns = {"largest_difference_db",
                                                          "azimuth",
                                                          "elevation",
                                                          "v6_db",
                                                          "v7_db",
                                                          "mean_difference_db",
                                                          "above_1db_percent",
                                                          "above_3db_percent",
                                                          "above_6db_percent"};

CompareFigures FiguresOf(const RuleDifferenceSurvey& s) {
  const RuleComparison& m = s.largest;
  // + 0.0f: a negative zero prints as 0.00, not -0.00.
  return {TwoDecimals(m.differenceDb),          TwoDecimals(m.azimuth + 0.0f),
          TwoDecimals(m.elevation + 0.0f),      TwoDecimals(m.v6Db + 0.0f),
          TwoDecimals(m.v7Db + 0.0f),           TwoDecimals(s.meanDb),
          TwoDecimals(100.0 * s.shareAbove1Db), TwoDecimals(100.0 * s.shareAbove3Db),
          TwoDecimals(100.0 * s.shareAbove6Db)};
}

}  // namespace veltrisko::tool
