// SPDX-License-Identifier: MIT
#include "render/pattern_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "render/display_value.h"
#include "render/false_colour.h"
#include "render/sample_grid.h"
#include "tests/render/frame_reading.h"

namespace veltrisko {
namespace {

using testing::FormulaLookup;
using testing::LengthOf;
using testing::Primitive;
using testing::PrimitivesOf;

float Varied(float azimuth, float elevation) {
  return std::fabs(std::sin(azimuth * 0.05f)) * 25.0f + std::fabs(elevation) * 0.1f;
}

SceneState SceneAtStep(int step) {
  SceneState scene;
  scene.resolutionStep = step;
  return scene;
}

TEST(PatternFrame, PassesInOrderWithTheirColoursWidthsAndCounts) {
  const SceneState scene = SceneAtStep(15);
  FormulaLookup lookup(Varied);
  DrawList list;
  ASSERT_EQ(RecordPatternFrame(scene, lookup, list), FrameOutcome::Complete);
  const std::vector<Primitive> p = PrimitivesOf(list);
  ASSERT_EQ(p.size(), 1u + 12 + 13 + 25 + 5);

  // Axes first, with no line width of their own.
  EXPECT_EQ(list.Commands().front().op, DrawOp::Colour3);
  EXPECT_EQ(p[0].mode, PrimitiveMode::Lines);
  EXPECT_TRUE(p[0].HasColour(128, 128, 128));
  EXPECT_EQ(p[0].lineWidth, -1.0f);
  const auto axes = p[0].Vertices();
  ASSERT_EQ(axes.size(), 6u);
  EXPECT_EQ(axes[0].x, -0.5f);
  EXPECT_EQ(axes[1].x, 10.5f);
  EXPECT_EQ(axes[3].y, 10.5f);
  EXPECT_EQ(axes[5].z, 10.5f);

  // 12 surface strips of 24 pairs and the closing pair.
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(p[i].mode, PrimitiveMode::QuadStrip);
    EXPECT_EQ(p[i].Vertices().size(), 50u);
  }
  // Grid: 13 row strips of 25 points, then 25 column strips of 13 points.
  for (int k = 13; k < 13 + 38; ++k) {
    EXPECT_EQ(p[k].mode, PrimitiveMode::LineStrip);
    EXPECT_TRUE(p[k].HasColour(64, 64, 64));
    EXPECT_EQ(p[k].Vertices().size(), k < 26 ? 25u : 13u);
  }
  struct Line {
    int r, g, b;
    float width;
    std::size_t vertices;
  };
  const Line lines[] = {{255, 0, 0, 4.0f, 25},      // horizontal diagram
                        {0, 255, 0, 4.0f, 13},      // vertical diagram
                        {128, 128, 255, 4.0f, 25},  // horizontal cut
                        {128, 128, 128, 2.0f, 2},   // pointer line
                        {0, 0, 0, 2.0f, 25}};       // reference circle
  for (int k = 0; k < 5; ++k) {
    const Primitive& q = p[51 + k];
    EXPECT_EQ(q.mode, PrimitiveMode::LineStrip) << k;
    EXPECT_TRUE(q.HasColour(lines[k].r, lines[k].g, lines[k].b)) << k;
    EXPECT_EQ(q.lineWidth, lines[k].width) << k;
    EXPECT_EQ(q.Vertices().size(), lines[k].vertices) << k;
  }
  // Blending is switched off right before the grid colour; the frame ends
  // by restoring the widths 4 and then 1.
  const auto& c = list.Commands();
  int blendOffs = 0;
  for (std::size_t k = 0; k < c.size(); ++k) {
    if (c[k].op != DrawOp::DisableBlend) continue;
    ++blendOffs;
    EXPECT_EQ(c[k + 1].op, DrawOp::Colour3);
    EXPECT_EQ(c[k + 1].r, 64);
  }
  EXPECT_EQ(blendOffs, 1);
  ASSERT_GE(c.size(), 2u);
  EXPECT_EQ(c[c.size() - 2].op, DrawOp::LineWidth);
  EXPECT_EQ(c[c.size() - 2].x, 4.0f);
  EXPECT_EQ(c.back().op, DrawOp::LineWidth);
  EXPECT_EQ(c.back().x, 1.0f);
}

TEST(PatternFrame, EachFlagLeavesOutItsPass) {
  struct Case {
    bool SceneState::*flag;
    std::size_t primitives;
    bool disablesBlend;
  };
  const Case cases[] = {{&SceneState::showSurface, 1 + 38 + 5, true},
                        {&SceneState::showGrid, 1 + 12 + 5, false},
                        {&SceneState::showHorizontalDiagram, 1 + 12 + 38 + 4, true},
                        {&SceneState::showVerticalDiagram, 1 + 12 + 38 + 4, true},
                        {&SceneState::showHorizontalCut, 1 + 12 + 38 + 2, true}};
  for (const Case& c : cases) {
    SceneState scene = SceneAtStep(15);
    scene.*c.flag = false;
    FormulaLookup lookup(Varied);
    DrawList list;
    ASSERT_EQ(RecordPatternFrame(scene, lookup, list), FrameOutcome::Complete);
    const std::vector<Primitive> p = PrimitivesOf(list);
    EXPECT_EQ(p.size(), c.primitives);
    bool disablesBlend = false;
    for (const DrawCommand& d : list.Commands()) disablesBlend |= d.op == DrawOp::DisableBlend;
    EXPECT_EQ(disablesBlend, c.disablesBlend);
    EXPECT_EQ(list.Commands().back().x, 1.0f);
  }
}

// Reads one surface strip back into its pairs: normal, colour (if any) and
// the two vertices.
struct Pair {
  DrawCommand normal;
  const DrawCommand* colour = nullptr;
  DrawCommand p, q;
};
std::vector<Pair> PairsOf(const Primitive& strip) {
  std::vector<Pair> pairs;
  Pair current;
  int vertices = 0;
  for (const DrawCommand& c : strip.body) {
    if (c.op == DrawOp::Normal) {
      current = Pair{c, nullptr, {}, {}};
      vertices = 0;
    } else if (c.op == DrawOp::Colour4) {
      current.colour = &c;
    } else if (c.op == DrawOp::Vertex) {
      (vertices++ == 0 ? current.p : current.q) = c;
      if (vertices == 2) pairs.push_back(current);
    }
  }
  return pairs;
}

void ExpectAt(const DrawCommand& c, const PatternSample& s) {
  EXPECT_EQ(c.x, s.x);
  EXPECT_EQ(c.y, s.y);
  EXPECT_EQ(c.z, s.z);
}

TEST(PatternFrame, SurfacePairsJoinRowsOneColumnApartInFalseColour) {
  for (bool falseColour : {true, false}) {
    SceneState scene = SceneAtStep(15);
    scene.falseColour = falseColour;
    scene.azimuth = 20.0f;
    FormulaLookup lookup(Varied);
    std::vector<PatternSample> samples;
    SampleSphere(scene, 0.0f, lookup, samples);
    DrawList list;
    ASSERT_EQ(RecordPatternFrame(scene, lookup, list), FrameOutcome::Complete);
    const std::vector<Primitive> p = PrimitivesOf(list);
    EXPECT_EQ(p[1].colour.op, DrawOp::Colour4);
    EXPECT_TRUE(p[1].HasColour(160, 145, 220));
    EXPECT_EQ(p[1].colour.a, 0);
    const auto at = [&](int i, int j) { return samples[i * 25 + j]; };
    for (int i = 0; i < 12; ++i) {
      const std::vector<Pair> pairs = PairsOf(p[1 + i]);
      ASSERT_EQ(pairs.size(), 25u);
      for (int j = 0; j < 25; ++j) {
        const bool closing = j == 24;
        const PatternSample P = at(i, closing ? 0 : j);
        ExpectAt(pairs[j].p, P);
        ExpectAt(pairs[j].q, at(i + 1, closing ? 1 : j + 1));
        const float length = std::sqrt(P.x * P.x + P.y * P.y + P.z * P.z);
        EXPECT_NEAR(pairs[j].normal.x, P.x / length, 1e-6);
        EXPECT_NEAR(pairs[j].normal.y, P.y / length, 1e-6);
        EXPECT_NEAR(pairs[j].normal.z, P.z / length, 1e-6);
        if (!falseColour || closing) {
          EXPECT_EQ(pairs[j].colour, nullptr) << i << "," << j;
          continue;
        }
        ASSERT_NE(pairs[j].colour, nullptr);
        const Colour expected = FalseColourOf(at(i, j + 1).value);
        EXPECT_EQ(pairs[j].colour->r, RedOf(expected));
        EXPECT_EQ(pairs[j].colour->g, GreenOf(expected));
        EXPECT_EQ(pairs[j].colour->b, BlueOf(expected));
        EXPECT_EQ(pairs[j].colour->a, 0);
      }
    }
  }
}

TEST(PatternFrame, PointAtTheOriginKeepsAZeroNormal) {
  SceneState scene = SceneAtStep(15);
  scene.logScale = true;
  scene.dbRange = 40.0f;
  // 030EA00 falls to its floor 0.01 (40 dB) behind the antenna.
  DrawList list;
  ASSERT_EQ(RecordPatternFrame(scene, "030EA00", "000ND00", list), FrameOutcome::Complete);
  int zeroNormals = 0;
  for (const Primitive& strip : PrimitivesOf(list)) {
    if (strip.mode != PrimitiveMode::QuadStrip) continue;
    for (const Pair& pair : PairsOf(strip)) {
      if (pair.p.x != 0 || pair.p.y != 0 || pair.p.z != 0) continue;
      EXPECT_EQ(pair.normal.x, 0.0f);
      EXPECT_EQ(pair.normal.y, 0.0f);
      EXPECT_EQ(pair.normal.z, 0.0f);
      ++zeroNormals;
    }
  }
  EXPECT_GT(zeroNormals, 0);
}

TEST(PatternFrame, NonDirectionalCodesDrawUnitShapesInBothDisplays) {
  for (bool useV7 : {true, false}) {
    for (bool logScale : {false, true}) {
      SceneState scene = SceneAtStep(10);
      scene.useHcmV7 = useV7;
      scene.logScale = logScale;
      scene.azimuth = 33.0f;
      scene.elevation = 20.0f;
      DrawList list;
      ASSERT_EQ(RecordPatternFrame(scene, "000ND00", "000ND00", list), FrameOutcome::Complete);
      const std::vector<Primitive> p = PrimitivesOf(list);
      for (std::size_t k = 1; k < p.size(); ++k) {
        if (p[k].HasColour(128, 128, 128)) continue;  // pointer line from the centre
        const float radius = p[k].HasColour(128, 128, 255) ? 1.01f : 1.0f;
        for (const DrawCommand& v : p[k].Vertices()) ASSERT_NEAR(LengthOf(v), radius, 2e-6) << k;
      }
    }
  }
}

TEST(PatternFrame, HorizontalCutOnlyBetweenThePoles) {
  struct Case {
    float elevation;
    std::size_t cutVertices;
  };
  const Case cases[] = {{90, 37}, {-90, 0}, {89.5f, 37}, {-89.5f, 37}, {120, 0}, {0, 37}};
  for (const Case& c : cases) {
    SceneState scene = SceneAtStep(10);
    scene.elevation = c.elevation;
    scene.azimuth = 40.0f;
    FormulaLookup lookup(Varied);
    DrawList list;
    ASSERT_EQ(RecordPatternFrame(scene, lookup, list), FrameOutcome::Complete);
    const std::vector<Primitive> p = PrimitivesOf(list);
    const Primitive& cut = p[p.size() - 3];
    const Primitive& pointer = p[p.size() - 2];
    const Primitive& circle = p.back();
    ASSERT_TRUE(cut.HasColour(128, 128, 255));
    EXPECT_EQ(cut.Vertices().size(), c.cutVertices) << c.elevation;
    // Each vertex shows the pattern at relative elevation -elevation, 0.01
    // outside, on the world horizon at its own azimuth.
    const auto cutVertices = cut.Vertices();
    for (std::size_t k = 0; k < cutVertices.size(); ++k) {
      const DrawCommand& v = cutVertices[k];
      const float a = static_cast<float>(-180 + 10 * static_cast<int>(k));
      EXPECT_NEAR(v.y, 0.0f, 1e-6);
      EXPECT_NEAR(LengthOf(v), DisplayValue(Varied(a, -c.elevation), 0.0f) + 0.01, 2e-6)
          << c.elevation << " at " << a;
      const Vector3 direction = SphericalPoint(a + 40.0f, 0.0f, 1.0f);
      EXPECT_NEAR((v.x * direction.x + v.z * direction.z) / LengthOf(v), 1.0, 1e-6);
    }
    // The pointer runs from the centre to the main direction's azimuth.
    const auto ends = pointer.Vertices();
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(LengthOf(ends[0]), 0.0f);
    EXPECT_NEAR(ends[1].x, std::cos(40.0 * std::numbers::pi / 180), 1e-6);
    EXPECT_NEAR(ends[1].y, 0.0f, 1e-6);
    EXPECT_NEAR(ends[1].z, std::sin(40.0 * std::numbers::pi / 180), 1e-6);
    EXPECT_EQ(circle.Vertices().size(), 37u);
  }
}

std::size_t AxesOnlySize() { return 1 + 1 + 6 + 1; }

TEST(PatternFrame, UnreadableCodeLeavesTheAxesAndTheNextFrameIsWhole) {
  struct Case {
    bool useV7;
    const char* horizontal;
    const char* vertical;
  };
  const Case cases[] = {{true, "066EA00", "020EA05"},
                        {false, "066EA00", "020EA05"},
                        {true, "030EA10", "120QQ10"},
                        {false, "030EA10", "130VJ20"},
                        {true, "12", "020EA05"},
                        {true, "030EA10", "1"},
                        {false, "", ""},
                        {true, "", ""}};
  for (const Case& c : cases) {
    for (LookupPath path : {LookupPath::Parsed, LookupPath::Text}) {
      SceneState scene = SceneAtStep(6);
      scene.useHcmV7 = c.useV7;
      DrawList broken;
      EXPECT_EQ(RecordPatternFrame(scene, c.horizontal, c.vertical, broken, path),
                FrameOutcome::EndedEarly)
          << c.horizontal << "/" << c.vertical;
      EXPECT_EQ(broken.Commands().size(), AxesOnlySize());
      for (const DrawCommand& d : broken.Commands()) EXPECT_NE(d.op, DrawOp::LineWidth);

      DrawList mended;
      EXPECT_EQ(RecordPatternFrame(scene, "030EA10", "020EA05", mended, path),
                FrameOutcome::Complete);
      EXPECT_EQ(mended.Commands().back().op, DrawOp::LineWidth);
    }
  }
}

TEST(PatternFrame, AnyStandardExceptionEndsTheFrameAfterTheAxes) {
  SceneState scene = SceneAtStep(15);
  FormulaLookup lookup([](float, float) -> float { throw std::length_error("no room"); });
  DrawList list;
  EXPECT_EQ(RecordPatternFrame(scene, lookup, list), FrameOutcome::EndedEarly);
  EXPECT_EQ(list.Commands().size(), AxesOnlySize());
}

TEST(PatternFrame, SceneWithoutAValidStepOrFiniteAnglesDrawsOnlyTheAxes) {
  struct Case {
    int step;
    float azimuth, elevation;
  };
  const Case cases[] = {{0, 0, 0},   {-2, 0, 0},       {181, 0, 0},
                        {6, NAN, 0}, {6, 0, INFINITY}, {6, -INFINITY, 0}};
  for (const Case& c : cases) {
    SceneState scene = SceneAtStep(c.step);
    scene.azimuth = c.azimuth;
    scene.elevation = c.elevation;
    DrawList list;
    EXPECT_EQ(RecordPatternFrame(scene, "030EA10", "020EA05", list), FrameOutcome::EndedEarly);
    EXPECT_EQ(list.Commands().size(), AxesOnlySize());
  }
}

}  // namespace
}  // namespace veltrisko
