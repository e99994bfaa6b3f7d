// SPDX-License-Identifier: MIT
#include "render/pattern_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace veltrisko {

Vector3 SphericalPoint(float azimuth, float elevation, float radius) {
  const double az = azimuth * kRadiansPerDegree;
  const double el = elevation * kRadiansPerDegree;
  return SphericalPointFromTrig(radius, std::cos(el), std::sin(el), std::cos(az), std::sin(az));
}

bool IsValidResolutionStep(int step) { return step >= 1 && step <= 180; }

GridSize GridSizeFor(int step) {
  if (!IsValidResolutionStep(step)) return {};
  return {180 / step + 1, 360 / step + 1};
}

Viewport SquareViewport(const ClientRect& clientRect) {
  // Wide arithmetic: the difference of two extreme ints does not fit an int.
  const std::int64_t w = std::int64_t{clientRect.right} - clientRect.left;
  const std::int64_t h = std::int64_t{clientRect.bottom} - clientRect.top;
  const std::int64_t size = std::clamp<std::int64_t>(std::min(w, h), 0, INT32_MAX);
  const std::int64_t y =
      std::clamp<std::int64_t>(std::max<std::int64_t>(h, 0) - size, INT32_MIN, INT32_MAX);
  return {clientRect.left, static_cast<int>(y), static_cast<int>(size), static_cast<int>(size)};
}

RelativeDirection RelativeDirectionOf(const SceneState& scene, WorldDirection world) {
  float azimuth = world.azimuth - scene.azimuth;
  float elevation = world.elevation - scene.elevation;
  if (elevation < -90.0f) {
    azimuth += 180.0f;
    elevation += 180.0f;
  } else if (elevation > 90.0f) {
    azimuth -= 180.0f;
    elevation -= 180.0f;
  }
  // The view angles stay within a few turns, so a few corrections suffice.
  for (int i = 0; i < 4 && azimuth > 180.0f; ++i) azimuth -= 360.0f;
  for (int i = 0; i < 4 && azimuth <= -180.0f; ++i) azimuth += 360.0f;
  return {azimuth, elevation};
}

}  // namespace veltrisko
