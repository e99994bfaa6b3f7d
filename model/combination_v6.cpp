// SPDX-License-Identifier: MIT
#include <cmath>
#include <limits>

#include "model/combination.h"
#include "model/combination_parts.h"
#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

// Up to here, turn-by-turn reduction in single precision takes at most a few
// thousand steps; beyond, adding 360 may no longer change the value at all.
constexpr float kLargestTurnByTurnAngle = 1e6f;

}  // namespace

float ReduceByWholeTurns(float angle) {
  if (!std::isfinite(angle)) return std::numeric_limits<float>::quiet_NaN();
  if (std::fabs(angle) > kLargestTurnByTurnAngle) {
    // Exact: such floats are multiples of 1/16, so the remainder and the
    // added turn are representable.
    double remainder = std::fmod(static_cast<double>(angle), 360.0);
    if (remainder < 0.0) remainder += 360.0;
    return static_cast<float>(remainder);
  }
  while (angle < 0.0f) angle += 360.0f;
  while (angle >= 360.0f) angle -= 360.0f;
  return angle;
}

V6Angle V6AngleOf(float angle) {
  const float reduced = ReduceByWholeTurns(angle);
  V6Angle result;
  result.cosine = RoundedCos(reduced * kRadiansPerDegree);
  // The negative side keeps its sign for codes that are not symmetric about
  // their axis (V and W beams, W sectors).
  result.farSide = reduced > 180.0f;
  result.folded = result.farSide ? 360.0f - reduced : reduced;
  return result;
}

float V6TotalAngle(double azimuthCosine, double elevationCosine) {
  return static_cast<float>(std::acos(azimuthCosine * elevationCosine) * kDegreesPerRadian);
}

V6Direction ReduceV6Direction(float azimuth, float elevation) {
  const V6Angle az = V6AngleOf(azimuth);
  const V6Angle el = V6AngleOf(elevation);
  const float theta = V6TotalAngle(az.cosine, el.cosine);
  return {.azimuth = az.folded,
          .elevation = el.folded,
          .horizontalAngle = V6ComponentAngle(theta, az.farSide),
          .verticalAngle = V6ComponentAngle(theta, el.farSide)};
}

float CombineV6Attenuations(float foldedAzimuth, float foldedElevation, float horizontalAttenuation,
                            float verticalAttenuation) {
  if (std::isnan(foldedAzimuth) || std::isnan(foldedElevation)) return 40.0f;
  const float att1 = horizontalAttenuation;
  const float att2 = verticalAttenuation;
  const float diff = att1 - att2;
  if (std::fabs(diff) < 0.0001) return att1;
  const double az = foldedAzimuth;
  const double el = foldedElevation;
  double result;
  if (az + el == 0.0) {
    // Only reachable with an LA code of negative half-power angle on the
    // axis; the weighted mean tends to the plain mean along az = el.
    result = (static_cast<double>(att1) + att2) * 0.5;
  } else if (att1 > att2) {
    result = att2 + diff * az / (az + el);
  } else {
    result = att1 + (static_cast<double>(att2) - att1) * el / (az + el);
  }
  if (result > 40.0) result = 40.0;
  return static_cast<float>(result);
}

float CombinedAttenuationV6(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                            const ParsedAntennaCode& vertical) {
  const V6Direction direction = ReduceV6Direction(azimuth, elevation);
  const double horizontalCosine =
      horizontal.UsesAngleCosine() ? AngleCosine(direction.horizontalAngle) : 0.0;
  // With azimuth and elevation on the same side both components are sampled
  // at the same angle, whose cosine is then taken once.
  const bool sameAngle =
      horizontal.UsesAngleCosine() && direction.verticalAngle == direction.horizontalAngle;
  const double verticalCosine = !vertical.UsesAngleCosine() ? 0.0
                                : sameAngle                 ? horizontalCosine
                                                            : AngleCosine(direction.verticalAngle);
  const auto att1 = static_cast<float>(
      -horizontal.ComponentAttenuation(direction.horizontalAngle, horizontalCosine, false));
  const auto att2 = static_cast<float>(
      -vertical.ComponentAttenuation(direction.verticalAngle, verticalCosine, false));
  return CombineV6Attenuations(direction.azimuth, direction.elevation, att1, att2);
}

float CombinedAttenuationV6(float azimuth, float elevation, const char* horizontalCode,
                            const char* verticalCode) {
  return CombinedAttenuationV6(azimuth, elevation, ParsedAntennaCode(horizontalCode),
                               ParsedAntennaCode(verticalCode));
}

}  // namespace veltrisko
