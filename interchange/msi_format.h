// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "interchange/pattern_cuts.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

struct PatternFileHeader {
  std::string name;
  double gainDbi = 0.0;
  // One line: the codes, the rule and the angle conventions.
  std::string comment;
};

// An MSI Planet file: NAME, MAKE, GAIN, COMMENT, then HORIZONTAL 360 and
// VERTICAL 360 with one "angle loss" line per degree, losses with two
// decimals.
std::string FormatMsiPattern(const PatternCuts& cuts, const PatternFileHeader& header);

// Reads an MSI Planet file tolerantly: keywords in any case, other keywords
// kept as metadata, sections of any length with angles in any order, blank
// lines and CRLF ends. Both sections are required.
PatternReading ParseMsiPattern(std::string_view text);

// A loss as written to a file: in hundredths of a dB, rounded up, so that
// the codes a file was exported from lie within its envelope; never "-0.00"
// (a component whose field exceeds its axis value is written as 0 dB loss,
// as losses are not negative).
std::string LossText(double loss);

}  // namespace veltrisko
