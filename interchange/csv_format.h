// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "interchange/pattern_cuts.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

// "angle,horizontal_loss_db,vertical_loss_db" and one row per degree,
// losses with two decimals; a `comment` (the codes and the rule, as the MSI
// COMMENT states them) comes first as a "# " line, which ParseCsvPattern
// skips.
std::string FormatCsvPattern(const PatternCuts& cuts, const std::string& comment = "");

// Reads a plain CSV file: fields separated by commas, semicolons or tabs, an
// optional header line, lines starting with '#' ignored. Two columns (angle,
// loss) are one cut, the horizontal one unless the loss column's header names
// "vertical"; three columns are angle, horizontal loss, vertical loss.
PatternReading ParseCsvPattern(std::string_view text);

}  // namespace veltrisko
