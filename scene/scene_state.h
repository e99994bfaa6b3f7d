// SPDX-License-Identifier: MIT
#pragma once

#include "scene/matrix3.h"

namespace veltrisko {

// Everything the picture depends on apart from the two antenna codes: the
// fixed dimetric camera, the model rotation, the three view angles and the
// display options. Plain C++ without OpenGL: the renderer's DrawPattern
// (render/gl/draw_pattern.h) takes the SceneState, FrameSetupFor takes its
// cameraMatrix, and the renderer emits every vertex through modelRotation.
class SceneState {
 public:
  float cameraMatrix[16];  // column-major 4x4 projection, derived by UpdateCameraMatrix
  Matrix3 projectionAxes;  // rows 0 and 1: the dimetric axes; row 2: derived depth axis
  Matrix3 modelRotation;
  bool showGrid;
  bool showSurface;
  bool showHorizontalDiagram;
  bool showVerticalDiagram;
  bool showHorizontalCut;
  int resolutionStep;  // degrees: 15, 10, 6, 3 or 2
  float tilt;          // degrees
  float azimuth;       // degrees, world azimuth of the antenna's main direction
  float elevation;     // degrees, world elevation of the antenna's main direction
  bool useHcmV7;
  bool logScale;
  float dbRange;  // dB
  bool falseColour;

  SceneState();

  void SetDimetricCamera();
  void UpdateCameraMatrix();
  void ResetView();
  void ChangeAzimuth(float stepRadians);
  void ChangeElevation(float stepRadians);
  void TiltModel(AxisAngles axis, float stepRadians);

  bool operator==(const SceneState&) const = default;
};

// The keyboard's view step: the float nearest to 0.02 radians.
inline constexpr float kViewStepRadians = 0.02f;

}  // namespace veltrisko
