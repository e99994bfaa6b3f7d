// SPDX-License-Identifier: MIT
#include <cmath>
#include <limits>

#include "model/combination.h"
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

float V6TotalAngle(float reducedAzimuth, float reducedElevation) {
  const double c =
      std::cos(reducedAzimuth * kRadiansPerDegree) * std::cos(reducedElevation * kRadiansPerDegree);
  return static_cast<float>(std::acos(c) * kDegreesPerRadian);
}

V6Direction ReduceV6Direction(float azimuth, float elevation) {
  V6Direction direction;
  float az = ReduceByWholeTurns(azimuth);
  float el = ReduceByWholeTurns(elevation);
  const float theta = V6TotalAngle(az, el);
  // The negative side keeps its sign for codes that are not symmetric about
  // their axis (V and W beams, W sectors).
  direction.horizontalAngle = theta;
  if (az > 180.0f) {
    direction.horizontalAngle = 360.0f - theta;
    az = 360.0f - az;
  }
  direction.verticalAngle = theta;
  if (el > 180.0f) {
    direction.verticalAngle = 360.0f - theta;
    el = 360.0f - el;
  }
  direction.azimuth = az;
  direction.elevation = el;
  return direction;
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
  const auto att1 =
      static_cast<float>(-horizontal.ComponentAttenuation(direction.horizontalAngle, false));
  const auto att2 =
      static_cast<float>(-vertical.ComponentAttenuation(direction.verticalAngle, false));
  return CombineV6Attenuations(direction.azimuth, direction.elevation, att1, att2);
}

float CombinedAttenuationV6(float azimuth, float elevation, const char* horizontalCode,
                            const char* verticalCode) {
  return CombinedAttenuationV6(azimuth, elevation, ParsedAntennaCode(horizontalCode),
                               ParsedAntennaCode(verticalCode));
}

}  // namespace veltrisko
