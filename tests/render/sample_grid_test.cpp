// SPDX-License-Identifier: MIT
#include "render/sample_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "render/display_value.h"
#include "tests/render/frame_reading.h"

namespace veltrisko {
namespace {

using testing::FormulaLookup;

TEST(GridSize, RowsAndColumnsForEveryStep) {
  struct Case {
    int step, rows, columns;
  };
  const Case cases[] = {{15, 13, 25}, {10, 19, 37}, {6, 31, 61}, {3, 61, 121},   {2, 91, 181},
                        {0, 0, 0},    {-6, 0, 0},   {181, 0, 0}, {INT_MIN, 0, 0}};
  for (const Case& c : cases) {
    const GridSize size = GridSizeFor(c.step);
    EXPECT_EQ(size.rows, c.rows) << "step " << c.step;
    EXPECT_EQ(size.columns, c.columns) << "step " << c.step;
  }
}

TEST(SquareViewport, TopLeftSquareOfTheClientArea) {
  struct Case {
    ClientRect rect;
    Viewport viewport;
  };
  const Case cases[] = {
      {{0, 0, 800, 600}, {0, 0, 600, 600}},
      {{0, 0, 600, 800}, {0, 200, 600, 600}},
      {{0, 0, 500, 500}, {0, 0, 500, 500}},
      {{0, 0, 0, 0}, {0, 0, 0, 0}},
      {{0, 0, 100, -50}, {0, 0, 0, 0}},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MAX, INT_MAX, INT_MAX}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SquareViewport(c.rect), c.viewport)
        << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom;
  }
}

float Flat(float, float) { return 0.0f; }

TEST(SampleSphere, UnitSamplesLieAtTheirWorldDirections) {
  SceneState scene;
  scene.resolutionStep = 15;
  FormulaLookup lookup(Flat);
  std::vector<PatternSample> samples;
  SampleSphere(scene, 0.0f, lookup, samples);
  ASSERT_EQ(samples.size(), 325u);
  const auto at = [&](int i, int j) { return samples[i * 25 + j]; };
  const PatternSample east = at(6, 12);   // azimuth 0, elevation 0
  const PatternSample south = at(6, 18);  // azimuth 90, elevation 0
  EXPECT_NEAR(east.x, 1.0f, 1e-6);
  EXPECT_NEAR(east.y, 0.0f, 1e-6);
  EXPECT_NEAR(east.z, 0.0f, 1e-6);
  EXPECT_NEAR(south.x, 0.0f, 1e-6);
  EXPECT_NEAR(south.y, 0.0f, 1e-6);
  EXPECT_NEAR(south.z, 1.0f, 1e-6);
  for (int j = 0; j < 25; ++j) {
    EXPECT_NEAR(at(12, j).x, 0.0f, 1e-6);
    EXPECT_NEAR(at(12, j).y, 1.0f, 1e-6);
    EXPECT_NEAR(at(12, j).z, 0.0f, 1e-6);
    EXPECT_NEAR(at(0, j).y, -1.0f, 1e-6);
  }
}

TEST(SampleSphere, PointsAreTurnedByTheModelRotation) {
  SceneState scene;
  scene.resolutionStep = 15;
  const float s = 0.5f;
  scene.TiltModel(AxisAngles{}, s);
  FormulaLookup lookup(Flat);
  std::vector<PatternSample> samples;
  SampleSphere(scene, 0.0f, lookup, samples);
  // (0, 0, 1) turned by -s about x; the value stays the unturned radius.
  const PatternSample south = samples[6 * 25 + 18];
  EXPECT_NEAR(south.x, 0.0f, 1e-6);
  EXPECT_NEAR(south.y, std::sin(s), 1e-6);
  EXPECT_NEAR(south.z, std::cos(s), 1e-6);
  EXPECT_FLOAT_EQ(south.value, 1.0f);
}

// An attenuation that differs for every lookup direction, so a sample's value
// tells where it was looked up.
float Distinct(float azimuth, float elevation) {
  return std::fabs(elevation) * 0.2f + std::fabs(std::fmod(azimuth, 360.0f)) * 0.01f;
}

TEST(SampleSphere, DirectionsPastAPoleAreLookedUpOnTheFarSide) {
  struct Case {
    float azimuth, elevation;
  };
  const Case cases[] = {{0, 0}, {0, 30}, {25, 180}, {-170.5f, -150.25f}, {300, 89.5f}, {10, -90}};
  for (const Case& c : cases) {
    SceneState scene;
    scene.resolutionStep = 10;
    scene.azimuth = c.azimuth;
    scene.elevation = c.elevation;
    FormulaLookup lookup(Distinct);
    std::vector<PatternSample> samples;
    SampleSphere(scene, 0.0f, lookup, samples);
    ASSERT_EQ(samples.size(), 703u);
    for (int i = 0; i < 19; ++i) {
      for (int j = 0; j < 37; ++j) {
        const float alpha = static_cast<float>(-180 + 10 * j);
        const float epsilon = static_cast<float>(-90 + 10 * i);
        float phi = alpha - c.azimuth, theta = epsilon - c.elevation;
        if (theta < -90.0f) {
          phi += 180.0f;
          theta += 180.0f;
        } else if (theta > 90.0f) {
          phi -= 180.0f;
          theta -= 180.0f;
        }
        const PatternSample& s = samples[i * 37 + j];
        const float r = DisplayValue(Distinct(phi, theta), 0.0f);
        ASSERT_EQ(s.value, r) << "row " << i << " column " << j << " elevation " << c.elevation;
        // The point keeps its own world direction whichever lookup was taken
        // (to rounding: cosines near 90 degrees differ in their last bits
        // between C runtimes and between inlined and called code).
        const Vector3 p = SphericalPoint(alpha, epsilon, r);
        ASSERT_NEAR(s.x, p.x, 1e-6);
        ASSERT_NEAR(s.y, p.y, 1e-6);
        ASSERT_NEAR(s.z, p.z, 1e-6);
      }
    }
  }
}

TEST(SampleSphere, LowerPoleRowAtElevation30IsLookedUpAt60) {
  SceneState scene;
  scene.resolutionStep = 15;
  scene.elevation = 30.0f;
  FormulaLookup lookup(Distinct);
  std::vector<PatternSample> samples;
  SampleSphere(scene, 0.0f, lookup, samples);
  for (int j = 0; j < 25; ++j) {
    EXPECT_EQ(lookup.calls[j].elevation, 60.0f);
    EXPECT_EQ(lookup.calls[j].azimuth, static_cast<float>(-180 + 15 * j) + 180.0f);
    EXPECT_NEAR(samples[j].x, 0.0f, 1e-6);
    EXPECT_NEAR(samples[j].y, -samples[j].value, 1e-6);
  }
}

TEST(SampleSphere, RadiusIsTheDisplayValue) {
  struct Case {
    bool logScale;
    float dbRange;
    float (*attenuation)(float, float);
    float radius;
  };
  const Case cases[] = {
      {true, 40, [](float, float) { return 10.0f; }, 0.75f},
      {true, 40, [](float, float) { return 40.0f; }, 0.0f},
      {true, 20, [](float, float) { return 30.0f; }, 0.0f},
      {true, 40, [](float, float) { return 0.0f; }, 1.0f},
      {false, 40, [](float, float) { return 3.0f; }, 0.501187f},
      {false, 40, [](float, float) { return 20.0f; }, 0.01f},
  };
  for (const Case& c : cases) {
    SceneState scene;
    scene.resolutionStep = 15;
    scene.logScale = c.logScale;
    scene.dbRange = c.dbRange;
    FormulaLookup lookup(c.attenuation);
    std::vector<PatternSample> samples;
    SampleSphere(scene, DisplayRange(scene.logScale, scene.dbRange), lookup, samples);
    for (const PatternSample& s : samples) {
      ASSERT_NEAR(s.value, c.radius, 1e-6);
      ASSERT_NEAR(std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z), c.radius, 1e-6);
    }
  }
}

}  // namespace
}  // namespace veltrisko
