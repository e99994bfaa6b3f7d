// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "analysis/pattern_cuts.h"
#include "interchange/pattern_cuts.h"

namespace veltrisko {

// A pattern file's cut (its losses on the whole degrees 0..359, as
// AlignedCutsOf gives them) as gains in dB at the angles of the computed cut
// at 1-degree steps: the horizontal cut over azimuth -180..180, the front
// half of the vertical cut over elevation -90..90.
std::vector<float> ImportedGains(CutKind kind, const CutLosses& losses);

// The back half of the file's vertical cut, over elevation -90..90 behind
// the antenna (relative azimuth 180), for the polar plot's whole circle.
std::vector<float> ImportedVerticalBackGains(const CutLosses& losses);

}  // namespace veltrisko
