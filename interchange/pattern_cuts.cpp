// SPDX-License-Identifier: MIT
#include "interchange/pattern_cuts.h"

#include "model/combination.h"

namespace veltrisko {

CutDirection VerticalCutDirection(int angle) {
  if (angle <= 90) return {0.0f, static_cast<float>(-angle)};
  if (angle < 270) return {180.0f, static_cast<float>(angle - 180)};
  return {0.0f, static_cast<float>(360 - angle)};
}

PatternCuts CombinedCuts(const ParsedAntennaCode& horizontal, const ParsedAntennaCode& vertical,
                         CombinationRule rule) {
  const auto combined = [&](float azimuth, float elevation) -> double {
    // Adding 0 turns the axis value -0 of the V7 rule into 0.
    if (rule == CombinationRule::kV7) {
      return static_cast<float>(CombinedAttenuationV7(azimuth, elevation, horizontal, vertical)) +
             0.0f;
    }
    return CombinedAttenuationV6(azimuth, elevation, horizontal, vertical) + 0.0f;
  };
  PatternCuts cuts;
  for (int a = 0; a < kCutPoints; ++a) {
    cuts.horizontal[a] = combined(static_cast<float>(a), 0.0f);
    const CutDirection direction = VerticalCutDirection(a);
    cuts.vertical[a] = combined(direction.azimuth, direction.elevation);
  }
  return cuts;
}

float ComponentLoss(const ParsedAntennaCode& code, int angle) {
  return static_cast<float>(-code.ComponentAttenuation(static_cast<float>(angle), false));
}

CutLosses ComponentCut(const ParsedAntennaCode& code) {
  CutLosses losses{};
  for (int a = 0; a < kCutPoints; ++a) losses[a] = ComponentLoss(code, a) + 0.0f;
  return losses;
}

}  // namespace veltrisko
