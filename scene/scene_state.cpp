// SPDX-License-Identifier: MIT
#include "scene/scene_state.h"

#include <cmath>

#include "units/angle_units.h"

namespace veltrisko {
namespace {

// The dimetric axes: x falls 7.17 degrees to the right, z 41.41 degrees to
// the lower left at half length.
constexpr double kDimetricAlpha = 0.12514010736799341;
constexpr double kDimetricBeta = 0.7227408432508519;

// The upper wrap is at 360 and the lower one at -180, so an angle
// decreasing from 0 stays negative down to -180 while one increasing from
// 0 runs up to 360.
float SteppedAngle(float oldDegrees, float stepRadians) {
  double angle = oldDegrees + stepRadians * kDegreesPerRadian;
  if (angle >= 360.0) {
    angle -= 360.0;
  } else if (angle <= -180.0) {
    angle += 360.0;
  }
  return static_cast<float>(angle);
}

}  // namespace

SceneState::SceneState() {
  projectionAxes.SetIdentity();
  modelRotation.SetIdentity();
  SetDimetricCamera();
  resolutionStep = 6;
  showGrid = true;
  showSurface = true;
  showHorizontalDiagram = true;
  showVerticalDiagram = true;
  showHorizontalCut = true;
  useHcmV7 = true;
  falseColour = true;
  tilt = 0;
  azimuth = 0;
  elevation = 0;
  logScale = false;
  dbRange = 40.0f;
}

void SceneState::SetDimetricCamera() {
  float* axes = projectionAxes.element;
  axes[0] = static_cast<float>(100.0 * std::cos(kDimetricAlpha));
  axes[1] = 0.0f;
  axes[2] = static_cast<float>(-50.0 * std::cos(kDimetricBeta));
  axes[3] = static_cast<float>(-100.0 * std::sin(kDimetricAlpha));
  axes[4] = 100.0f;
  axes[5] = static_cast<float>(-50.0 * std::sin(kDimetricBeta));
  UpdateCameraMatrix();
}

void SceneState::UpdateCameraMatrix() {
  float* axes = projectionAxes.element;
  const double a[3] = {axes[0], -static_cast<double>(axes[1]), axes[2]};
  const double b[3] = {axes[3], -static_cast<double>(axes[4]), axes[5]};
  double depth[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                     a[0] * b[1] - a[1] * b[0]};
  const double inverseLength =
      1.0 / std::sqrt(depth[0] * depth[0] + depth[1] * depth[1] + depth[2] * depth[2]);
  for (int k = 0; k < 3; ++k) axes[6 + k] = static_cast<float>(depth[k] * inverseLength);

  // Column-major; the middle column is negated (the frame set-up's vertical
  // flip cancels it) and w = 0.5 doubles every coordinate.
  const float columns[16] = {axes[0], axes[3], axes[6], 0, -axes[1], -axes[4], -axes[7], 0,
                             axes[2], axes[5], axes[8], 0, 0,        0,        0,        0.5f};
  for (int k = 0; k < 16; ++k) cameraMatrix[k] = columns[k];
}

void SceneState::ResetView() {
  Matrix3 identity;
  modelRotation.CopyFrom(identity.SetIdentity());
  tilt = 0;
  azimuth = 0;
  elevation = 0;
}

void SceneState::ChangeAzimuth(float stepRadians) { azimuth = SteppedAngle(azimuth, stepRadians); }

void SceneState::ChangeElevation(float stepRadians) {
  elevation = SteppedAngle(elevation, stepRadians);
}

void SceneState::TiltModel(AxisAngles axis, float stepRadians) {
  modelRotation.RotateAbout(Vector3(0, 0, 0), axis, stepRadians);
  tilt = SteppedAngle(tilt, stepRadians);
}

}  // namespace veltrisko
