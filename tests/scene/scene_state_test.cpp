// SPDX-License-Identifier: MIT
#include "scene/scene_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace veltrisko {
namespace {

constexpr float kStep = kViewStepRadians;

void ExpectIdentity(const Matrix3& m, float tolerance) {
  for (int k = 0; k < 9; ++k) EXPECT_NEAR(m.element[k], k % 4 == 0 ? 1.0f : 0.0f, tolerance) << k;
}

TEST(SceneState, ConstructionSetsTheDefaults) {
  const SceneState scene;
  EXPECT_EQ(scene.resolutionStep, 6);
  EXPECT_TRUE(scene.showGrid);
  EXPECT_TRUE(scene.showSurface);
  EXPECT_TRUE(scene.showHorizontalDiagram);
  EXPECT_TRUE(scene.showVerticalDiagram);
  EXPECT_TRUE(scene.showHorizontalCut);
  EXPECT_TRUE(scene.useHcmV7);
  EXPECT_TRUE(scene.falseColour);
  EXPECT_FALSE(scene.logScale);
  EXPECT_EQ(scene.dbRange, 40.0f);
  EXPECT_EQ(scene.tilt, 0.0f);
  EXPECT_EQ(scene.azimuth, 0.0f);
  EXPECT_EQ(scene.elevation, 0.0f);
  ExpectIdentity(scene.modelRotation, 0);
}

TEST(SceneState, DimetricCameraHasTheDocumentedAxes) {
  const SceneState scene;
  const Matrix3& axes = scene.projectionAxes;
  const float expected[9] = {99.218f,  0,       -37.500f, -12.481f, 100,
                             -33.072f, -0.333f, 0.333f,   -0.882f};
  for (int k = 0; k < 9; ++k) EXPECT_NEAR(axes.element[k], expected[k], 5e-4f) << k;
  const double depthLength = std::hypot(axes.At(2, 0), axes.At(2, 1), axes.At(2, 2));
  EXPECT_NEAR(depthLength, 1.0, 1e-6);
}

TEST(SceneState, CameraMatrixIsStoredColumnByColumnWithNegatedMiddleColumn) {
  const SceneState scene;
  const Matrix3& axes = scene.projectionAxes;
  const float a0 = axes.At(0, 0), a1 = axes.At(0, 1), a2 = axes.At(0, 2);
  const float b0 = axes.At(1, 0), b1 = axes.At(1, 1), b2 = axes.At(1, 2);
  const float d0 = axes.At(2, 0), d1 = axes.At(2, 1), d2 = axes.At(2, 2);
  const float expected[16] = {a0, b0, d0, 0, -a1, -b1, -d1, 0, a2, b2, d2, 0, 0, 0, 0, 0.5f};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(scene.cameraMatrix[k], expected[k]) << k;
}

// The frame set-up loads the camera and scales by (1/240, -1/240, 1/240);
// after the division by w a model point lands at (a.v, b.v, D.v) / 120.
TEST(SceneState, CameraMatrixMapsModelPointsToTheDocumentedDeviceCoordinates) {
  const SceneState scene;
  const float* m = scene.cameraMatrix;
  const double points[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.3, -0.7, 0.5}};
  for (const auto& p : points) {
    const double scaled[4] = {p[0] / 240, -p[1] / 240, p[2] / 240, 1};
    double clip[4] = {};
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 4; ++column) clip[row] += m[4 * column + row] * scaled[column];
    }
    for (int axis = 0; axis < 3; ++axis) {
      const double expected =
          (scene.projectionAxes.At(axis, 0) * p[0] + scene.projectionAxes.At(axis, 1) * p[1] +
           scene.projectionAxes.At(axis, 2) * p[2]) /
          120;
      EXPECT_NEAR(clip[axis] / clip[3], expected, 1e-6) << "axis " << axis;
    }
  }
  // The unit sphere spans about 0.88 of the viewport horizontally.
  EXPECT_NEAR(std::hypot(scene.projectionAxes.At(0, 0), scene.projectionAxes.At(0, 2)) / 120, 0.88,
              0.01);
}

// One view angle with its key step.
struct AngleOperation {
  const char* name;
  std::function<void(SceneState&, float)> step;
  std::function<float&(SceneState&)> angle;
};

const AngleOperation kAngleOperations[] = {
    {"azimuth", [](SceneState& s, float step) { s.ChangeAzimuth(step); },
     [](SceneState& s) -> float& { return s.azimuth; }},
    {"elevation", [](SceneState& s, float step) { s.ChangeElevation(step); },
     [](SceneState& s) -> float& { return s.elevation; }},
    {"tilt",
     [](SceneState& s, float step) {
       s.TiltModel(AxisAngles{0, 0}, step);
     },
     [](SceneState& s) -> float& { return s.tilt; }},
};

TEST(SceneState, AngleStepsWrapAtMinus180AndAt360) {
  struct Presses {
    float step;
    int count;
    float expected;
  };
  const Presses rows[] = {
      {-kStep, 1, -1.146f},   {-kStep, 157, -179.909f}, {-kStep, 158, 178.945f},
      {kStep, 314, 359.817f}, {kStep, 315, 0.963f},
  };
  for (const AngleOperation& operation : kAngleOperations) {
    for (const Presses& row : rows) {
      SceneState scene;
      for (int press = 0; press < row.count; ++press) operation.step(scene, row.step);
      EXPECT_NEAR(operation.angle(scene), row.expected, 5e-4f)
          << operation.name << " after " << row.count << " presses of " << row.step;
    }
  }
}

TEST(SceneState, AngleLandingExactlyOnABoundIsWrappedOnce) {
  struct Landing {
    float start, step, expected;
  };
  const Landing rows[] = {
      {360.0f, 0, 0.0f},
      {-180.0f, 0, 180.0f},
      {359.99f, 0, 359.99f},
      {-179.99f, 0, -179.99f},
      // A step beyond a full turn is corrected only once.
      {359.0f, 7.0f, 400.07046f},
  };
  for (const AngleOperation& operation : kAngleOperations) {
    for (const Landing& row : rows) {
      SceneState scene;
      operation.angle(scene) = row.start;
      operation.step(scene, row.step);
      EXPECT_NEAR(operation.angle(scene), row.expected, 1e-4f)
          << operation.name << " from " << row.start << " by " << row.step;
    }
  }
}

TEST(SceneState, TiltRotatesTheModelByMinusTiltAboutX) {
  const int downPresses[] = {1, 5, 40, 200};
  for (const int presses : downPresses) {
    SceneState scene;
    for (int press = 0; press < presses; ++press) scene.TiltModel(AxisAngles{0, 0}, kStep);
    scene.TiltModel(AxisAngles{0, 0}, -kStep);
    const double radians = scene.tilt / 57.29577951308232;
    const float c = static_cast<float>(std::cos(radians));
    const float s = static_cast<float>(std::sin(radians));
    Matrix3 expected;
    expected.SetElements(1, 0, 0, 0, c, s, 0, -s, c);
    for (int k = 0; k < 9; ++k) {
      EXPECT_NEAR(scene.modelRotation.element[k], expected.element[k], 1e-4f)
          << presses << " presses, element " << k;
    }
  }

  SceneState upThenDown;
  upThenDown.TiltModel(AxisAngles{0, 0}, -kStep);
  upThenDown.TiltModel(AxisAngles{0, 0}, kStep);
  EXPECT_NEAR(upThenDown.tilt, 0.0f, 1e-6f);
  ExpectIdentity(upThenDown.modelRotation, 1e-6f);
}

TEST(SceneState, ResetViewRestoresTheViewButNotTheCamera) {
  const SceneState fresh;
  SceneState scene;
  for (int press = 0; press < 30; ++press) {
    scene.TiltModel(AxisAngles{0, 0}, kStep);
    scene.ChangeAzimuth(-kStep);
    scene.ChangeElevation(kStep);
  }
  scene.ResetView();
  ExpectIdentity(scene.modelRotation, 0);
  EXPECT_EQ(scene.tilt, 0.0f);
  EXPECT_EQ(scene.azimuth, 0.0f);
  EXPECT_EQ(scene.elevation, 0.0f);
  for (int k = 0; k < 16; ++k) EXPECT_EQ(scene.cameraMatrix[k], fresh.cameraMatrix[k]) << k;
  for (int k = 0; k < 9; ++k)
    EXPECT_EQ(scene.projectionAxes.element[k], fresh.projectionAxes.element[k]);
}

}  // namespace
}  // namespace veltrisko
