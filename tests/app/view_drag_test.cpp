// SPDX-License-Identifier: MIT
#include "app/logic/view_drag.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

// Half a degree per pixel, wrapping exactly as the key steps do: up to 360
// going up, down to -180 going down.
TEST(ApplyDrag, TurnsHalfADegreePerPixelWithTheKeysWrapRules) {
  struct Case {
    DragMode mode;
    float azimuth, elevation, tilt;  // before
    int dx, dy;
    float wantAzimuth, wantElevation, wantTilt;
  };
  const Case cases[] = {
      {DragMode::kTurn, 0, 0, 0, 10, 0, 5, 0, 0},
      {DragMode::kTurn, 0, 0, 0, 0, -20, 0, 10, 0},  // up raises the elevation
      {DragMode::kTurn, 0, 0, 0, -4, 6, -2, -3, 0},
      {DragMode::kTurn, 355, 0, 0, 12, 0, 1, 0, 0},     // wraps at 360
      {DragMode::kTurn, -179, 0, 0, -4, 0, 179, 0, 0},  // wraps at -180
      {DragMode::kTurn, 0, 0, 0, 1000, 0, 140, 0, 0},   // a long movement, in pieces
      {DragMode::kTilt, 0, 0, 0, 50, 8, 0, 0, 4},       // only vertical movement tilts
      {DragMode::kTilt, 0, 0, -178, 0, -6, 0, 0, 179},
  };
  for (const Case& c : cases) {
    SceneState scene;
    scene.azimuth = c.azimuth;
    scene.elevation = c.elevation;
    scene.tilt = c.tilt;
    EXPECT_TRUE(ApplyDrag(scene, c.mode, c.dx, c.dy));
    EXPECT_NEAR(scene.azimuth, c.wantAzimuth, 1e-4) << c.dx << "," << c.dy;
    EXPECT_NEAR(scene.elevation, c.wantElevation, 1e-4) << c.dx << "," << c.dy;
    EXPECT_NEAR(scene.tilt, c.wantTilt, 1e-4) << c.dx << "," << c.dy;
  }
}

TEST(ApplyDrag, TiltTurnsTheModelLikeTheDownKey) {
  SceneState dragged;
  SceneState keyed;
  ApplyDrag(dragged, DragMode::kTilt, 0, 2);
  keyed.TiltModel(AxisAngles{0.0f, 0.0f}, static_cast<float>(1.0 * 0.017453292519943295));
  for (int i = 0; i < 9; ++i)
    EXPECT_FLOAT_EQ(dragged.modelRotation.element[i], keyed.modelRotation.element[i]);
  EXPECT_FALSE(ApplyDrag(dragged, DragMode::kTilt, 5, 0));
}

}  // namespace
}  // namespace veltrisko
