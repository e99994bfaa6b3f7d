// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "analysis/rule_difference.h"

namespace veltrisko::tool {

// The figures `compare` prints, as it prints them (two decimals, shares in
// percent): largest difference, its azimuth and elevation, V6 and V7 there,
// mean difference and the shares above 1, 3 and 6 dB. One row of
// `compare --pairs` holds the same texts.
using CompareFigures = std::array<std::string, 9>;
CompareFigures FiguresOf(const RuleDifferenceSurvey& survey);

// The column names of those figures in `compare --pairs`.
extern const std::array<const char*, 9> kCompareFigureColumns;

}  // namespace veltrisko::tool
