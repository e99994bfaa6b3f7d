// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "model/combination_rule.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {

// Angle conventions of every pattern file:
// - horizontal angle a (0..359): relative azimuth a, 0 = the main direction,
//   increasing with the scene's azimuth (clockwise seen from above);
// - vertical angle a (0..359) in the vertical plane through the main
//   direction: 0 = horizon in front, 90 = straight down, 180 = horizon
//   behind, 270 = straight up;
// - loss = attenuation in dB, positive away from the main direction.
inline constexpr int kCutPoints = 360;

using CutLosses = std::array<double, kCutPoints>;

struct PatternCuts {
  CutLosses horizontal{};
  CutLosses vertical{};
};

// The relative direction (azimuth, elevation) of vertical angle a: a in
// [0, 90] is (0, -a), a in (90, 270) is (180, a - 180), a in [270, 360) is
// (0, 360 - a).
struct CutDirection {
  float azimuth;
  float elevation;
};
CutDirection VerticalCutDirection(int angle);

// The combined pattern's two cuts under `rule`. Throws InvalidAntennaCode.
PatternCuts CombinedCuts(const ParsedAntennaCode& horizontal, const ParsedAntennaCode& vertical,
                         CombinationRule rule);

// One component's own diagram at the cut angles 0..359 (its attenuation at
// angle a off its axis); the vertical component's angle a is the vertical
// cut's angle, so its second beam (V and W codes) points downwards as under
// the V7 rule. Throws InvalidAntennaCode.
CutLosses ComponentCut(const ParsedAntennaCode& code);

// The attenuation of one component at one cut angle, in single precision as
// the model's callers keep it. Throws InvalidAntennaCode.
float ComponentLoss(const ParsedAntennaCode& code, int angle);

}  // namespace veltrisko
