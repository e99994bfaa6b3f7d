// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "analysis/direction_readout.h"
#include "analysis/surface_pick.h"
#include "model/combination.h"

namespace veltrisko {
namespace {

constexpr const char* kH = "030EA10";
constexpr const char* kV = "020EA05";
const ClientRect kClient{0, 0, 800, 600};

// Relative directions with the values the two rules are agreed to give for
// 030EA10 / 020EA05 (dB); the components as each rule samples them.
struct Case {
  float relAz, relEl;
  bool useV7;
  double hGain, vGain, v6, v7;
};
const Case kCases[] = {
    {30, 30, false, -5.3797, -9.4656, 7.4227, 8.7027},
    {30, 30, true, -3.0103, -5.8735, 7.4227, 8.7027},
    {30, 0, true, -3.0103, 0.0, 3.0103, 3.0103},
    {0, 30, false, -3.0103, -5.8735, 5.8735, 5.8735},
};

// Scenes whose view turns the relative directions away from the world axes.
SceneState TurnedScene(bool v7) {
  SceneState scene;
  scene.resolutionStep = 2;
  scene.azimuth = 10.0f;
  scene.elevation = -20.0f;
  scene.useHcmV7 = v7;
  scene.TiltModel({0, 0}, -0.3f);
  return scene;
}

TEST(DirectionReadout, PickedAtTheProjectedSurfacePointGivesTheAgreedValues) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.relAz << "/" << c.relEl << (c.useV7 ? " V7" : " V6"));
    const SceneState scene = TurnedScene(c.useV7);
    const WorldDirection world{c.relAz + scene.azimuth, c.relEl + scene.elevation};
    const auto point = SurfacePointOf(scene, kH, kV, world);
    ASSERT_TRUE(point);
    const auto cursor = ProjectToClient(scene, kClient, *point);
    ASSERT_TRUE(cursor);
    const auto picked = DirectionUnderCursor(scene, kClient, kH, kV, cursor->screen);
    ASSERT_TRUE(picked);
    const auto r = ReadDirection(scene, kH, kV, *picked);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->relative.azimuth, c.relAz, 0.05);
    EXPECT_NEAR(r->relative.elevation, c.relEl, 0.05);
    // The readout at the exact direction: what eval gives for these angles.
    const auto exact = ReadDirection(scene, kH, kV, world);
    ASSERT_TRUE(exact);
    EXPECT_NEAR(exact->gains.horizontalDb, c.hGain, 1e-4);
    EXPECT_NEAR(exact->gains.verticalDb, c.vGain, 1e-4);
    EXPECT_NEAR(exact->v6Db, c.v6, 1e-4);
    EXPECT_NEAR(exact->v7Db, c.v7, 1e-4);
    // The picked direction is the same to the shown precision.
    EXPECT_NEAR(r->v6Db, c.v6, 0.02);
    EXPECT_NEAR(r->v7Db, c.v7, 0.02);
  }
}

// The number after `label` in a readout text, read back as eval reads it.
float NumberAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return NAN;
  std::string number = text.substr(
      at + label.size(), text.find_first_of(" \n", at + label.size()) - at - label.size());
  for (char& c : number) {
    if (c == ',') c = '.';
  }
  return std::strtof(number.c_str(), nullptr);
}

TEST(DirectionReadout, NumbersAreThoseOfTheCodesAtTheShownAngles) {
  // Directions off the tenth-degree grid, under a view turned by key steps
  // (whose angles are off that grid too), by both rules: evaluating the codes
  // at the relative angles the text shows gives the numbers it shows.
  for (const bool v7 : {false, true}) {
    SceneState scene = TurnedScene(v7);
    scene.ChangeAzimuth(kViewStepRadians);
    scene.ChangeElevation(-kViewStepRadians);
    for (float az = -179.37f; az < 180.0f; az += 7.13f) {
      for (float el = -85.21f; el < 90.0f; el += 6.07f) {
        const auto r = ReadDirection(scene, kH, kV, {az, el});
        ASSERT_TRUE(r);
        const std::string text = ReadoutText(*r);
        SCOPED_TRACE(text);
        const float phi = NumberAfter(text, "φ ");
        const float theta = NumberAfter(text, "θ ");
        EXPECT_EQ(GermanNumber(CombinedAttenuationV6(phi, theta, kH, kV), 2),
                  GermanNumber(NumberAfter(text, "Dämpfung V6: "), 2));
        EXPECT_EQ(GermanNumber(CombinedAttenuationV7(phi, theta, kH, kV), 2),
                  GermanNumber(NumberAfter(text, "Dämpfung V7: "), 2));
      }
    }
  }
}

TEST(DirectionReadout, NothingOffThePatternOrWithAnUnreadableCode) {
  const SceneState scene = TurnedScene(true);
  EXPECT_FALSE(DirectionUnderCursor(scene, kClient, kH, kV, {2, 2}));
  EXPECT_FALSE(DirectionUnderCursor(scene, kClient, kH, kV, {700, 300}));  // right of the viewport
  EXPECT_FALSE(DirectionUnderCursor(scene, kClient, "066EA00", kV, {300, 300}));
  EXPECT_TRUE(DirectionUnderCursor(scene, kClient, kH, kV, {300, 300}));
}

TEST(DirectionReadout, TheNearerSideIsPicked) {
  // The unit sphere of two non-directional codes: the centre of the picture
  // shows the side turned to the viewer, where depth is smallest.
  SceneState scene;
  scene.resolutionStep = 2;
  const Vector3 centre(0, 0, 0);
  const auto atCentre = ProjectToClient(scene, kClient, centre);
  ASSERT_TRUE(atCentre);
  const auto picked = DirectionUnderCursor(scene, kClient, "000ND00", "000ND00", atCentre->screen);
  ASSERT_TRUE(picked);
  const Vector3 p = SphericalPoint(picked->azimuth, picked->elevation, 1.0f);
  const auto front = ProjectToClient(scene, kClient, p);
  const auto back = ProjectToClient(scene, kClient, Vector3(-p.x, -p.y, -p.z));
  EXPECT_LT(front->depth, back->depth);
}

TEST(DirectionReadout, RelativeDirectionsPastAPoleAndAroundTheBack) {
  SceneState scene;
  scene.azimuth = 30.0f;
  scene.elevation = 30.0f;
  const RelativeDirection below = RelativeDirectionOf(scene, {10.0f, -80.0f});
  EXPECT_FLOAT_EQ(below.azimuth, 160.0f);
  EXPECT_FLOAT_EQ(below.elevation, 70.0f);
  const RelativeDirection behind = RelativeDirectionOf(scene, {-170.0f, 0.0f});
  EXPECT_FLOAT_EQ(behind.azimuth, 160.0f);
}

TEST(DirectionReadout, TextHasTheEngineersPrecisionAndMarksTheRule) {
  DirectionReadout r;
  r.world = {45.04f, -5.06f};
  r.relative = {45.04f, -5.06f};
  r.gains = {-3.01029, -0.004};
  r.v6Db = 12.3456f;
  r.v7Db = 7.0f;
  r.useHcmV7 = true;
  const std::string text = ReadoutText(r);
  EXPECT_NE(text.find("Azimut: 45,0 °"), std::string::npos) << text;
  EXPECT_NE(text.find("Elevation: -5,1 °"), std::string::npos) << text;
  EXPECT_NE(text.find("Gewinn horizontal: -3,01 dB"), std::string::npos) << text;
  EXPECT_NE(text.find("Gewinn vertikal: 0,00 dB"), std::string::npos) << text;
  EXPECT_NE(text.find("Dämpfung V6: 12,35 dB\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Dämpfung V7: 7,00 dB *"), std::string::npos) << text;
}

}  // namespace
}  // namespace veltrisko
