// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

// How far the combined pattern of a code pair lies from both measured cuts
// (measured losses above 40 dB counted as 40).
struct PairDeviation {
  double maxDeviation = 0.0;
  double rms = 0.0;
};

// Throws InvalidAntennaCode for a rejected code.
PairDeviation CombinedDeviation(const std::string& horizontalCode, const std::string& verticalCode,
                                const CutLosses& horizontal, const CutLosses& vertical,
                                CombinationRule rule);

}  // namespace veltrisko
