// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "interchange/pattern_file.h"

namespace veltrisko {

// An NSMA file (WG16.99.050, ".adf"): "KEYWORD:,value,..." lines in any
// order and case, and for each cut PATCUT (H or AZ: horizontal; V or EL:
// vertical), POLARI, NUPOIN (the count) and FSTLST, then "angle,gain," lines.
// Horizontal angles are azimuths (clockwise seen from above), vertical ones
// elevations (positive above the horizon), both -180..180 or 0..360; gains in
// dB, relative (DBR) or absolute (DBI, DBD). The first co-polar cut of each
// plane is taken (POLARI H/H or V/V, or none given), later frequencies and
// cross-polar cuts are skipped. Other keywords are kept as metadata.
PatternReading ParseNsmaPattern(std::string_view text);

}  // namespace veltrisko
