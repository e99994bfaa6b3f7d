// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "interchange/pattern_cuts.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

// The angle conventions, as every exported file's COMMENT states them.
extern const char* const kPatternAngleConventions;

// The COMMENT of a file holding a code pair's combined cuts under `rule`.
std::string PairComment(const std::string& horizontal, const std::string& vertical,
                        CombinationRule rule);

// The COMMENT of a file holding one component's own diagram.
std::string ComponentComment(const std::string& code, bool horizontalComponent);

// The name of an exported pattern when none is given: the codes, blank
// separated.
std::string DefaultPatternName(const std::string& horizontal, const std::string& vertical);

// The whole file of a code pair's combined cuts, MSI Planet or CSV, with
// `name` (the default one when empty) and a gain of 0 dBi; both state the
// codes and the rule (the CSV in a "# " comment line). Throws
// InvalidAntennaCode.
std::string ExportedPairText(const std::string& horizontal, const std::string& vertical,
                             CombinationRule rule, PatternFormat format,
                             const std::string& name = "");

}  // namespace veltrisko
