// SPDX-License-Identifier: MIT
#include "scene/view_angles.h"

#include <cmath>

#include "units/angle_units.h"

namespace veltrisko {

float IntoViewerRange(float degrees) {
  double wrapped = std::fmod(static_cast<double>(degrees), 360.0);
  if (wrapped <= -180.0) wrapped += 360.0;
  return static_cast<float>(wrapped);
}

void ApplyTilt(SceneState& scene, float tiltDegrees) {
  const float tilt = IntoViewerRange(tiltDegrees);
  if (tilt != 0.0f) scene.TiltModel(AxisAngles{}, static_cast<float>(tilt * kRadiansPerDegree));
}

}  // namespace veltrisko
