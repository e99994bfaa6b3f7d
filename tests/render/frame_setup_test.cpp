// SPDX-License-Identifier: MIT
#include "render/frame_setup.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

// The clip coordinates of a model point through the recorded matrices,
// divided by w: normalised device coordinates.
std::array<double, 3> DeviceCoordinates(const FrameSetup& setup, double x, double y, double z) {
  const auto apply = [](const Matrix4& m, const std::array<double, 4>& v) {
    std::array<double, 4> out{};
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column) out[row] += m[column * 4 + row] * v[column];
    return out;
  };
  const auto clip = apply(setup.projection, apply(setup.modelview, {x, y, z, 1.0}));
  return {clip[0] / clip[3], clip[1] / clip[3], clip[2] / clip[3]};
}

// The dimetric camera's axes to three decimals, a = (99.218, 0, -37.5) and
// b = (-12.481, 100, -33.072), and its depth axis D = (-0.333, 0.333, -0.882)
// put a model point p at (a.p, b.p, D.p) / 120, upright on the screen.
TEST(FrameSetup, MatricesPutModelPointsWhereTheCameraShowsThem) {
  struct Case {
    double x, y, z;
    double horizontal, vertical, depth;
  };
  const Case cases[] = {
      {1, 0, 0, 99.218 / 120, -12.481 / 120, -0.333 / 120},
      {0, 1, 0, 0.0, 100.0 / 120, 0.333 / 120},
      {0, 0, 1, -37.5 / 120, -33.072 / 120, -0.882 / 120},
      {0, 0, 0, 0.0, 0.0, 0.0},
  };
  const SceneState scene;
  const FrameSetup setup = FrameSetupFor(ClientRect{0, 0, 800, 600}, scene);
  for (const Case& c : cases) {
    const auto ndc = DeviceCoordinates(setup, c.x, c.y, c.z);
    EXPECT_NEAR(ndc[0], c.horizontal, 1e-5) << c.x << c.y << c.z;
    EXPECT_NEAR(ndc[1], c.vertical, 1e-5) << c.x << c.y << c.z;
    EXPECT_NEAR(ndc[2], c.depth, 1e-5) << c.x << c.y << c.z;
  }
}

// Only the viewport follows the client area; the view angles and the model's
// tilt turn the points, not the matrices or the light.
TEST(FrameSetup, OnlyTheViewportFollowsTheClientArea) {
  const SceneState start;
  SceneState turned;
  turned.ChangeAzimuth(0.7f);
  turned.TiltModel({0.0f, 0.0f}, 0.4f);
  FrameSetup wide = FrameSetupFor(ClientRect{0, 0, 800, 600}, start);
  const FrameSetup tall = FrameSetupFor(ClientRect{0, 0, 600, 800}, turned);
  EXPECT_EQ(wide.viewport, (Viewport{0, 0, 600, 600}));
  EXPECT_EQ(tall.viewport, (Viewport{0, 200, 600, 600}));
  wide.viewport = tall.viewport;
  EXPECT_EQ(wide, tall);
}

}  // namespace
}  // namespace veltrisko
