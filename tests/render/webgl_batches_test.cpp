// SPDX-License-Identifier: MIT
#include "render/webgl_batches.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrisko {
namespace {

// The vertices a batch draws, in the order its indices name them.
std::vector<const float*> Drawn(const WebGlFrame& frame, const WebGlBatch& batch) {
  std::vector<const float*> drawn;
  for (std::size_t i = 0; i < batch.indexCount; ++i) {
    const std::size_t index = frame.indices[batch.firstIndex + i];
    EXPECT_LT(index, batch.vertexCount);
    drawn.push_back(&frame.vertices[(batch.firstVertex + index) * kWebGlVertexFloats]);
  }
  return drawn;
}

// A quad strip, a line strip and a wide line become triangles, line pairs
// and widened triangles in their order, each vertex with the colour in
// force; the wide line spreads along its minor axis by half its width.
TEST(WebGlBatches, PrimitivesBecomeTrianglesAndLinesInOrder) {
  RecordedFrame frame;
  frame.setup = FrameSetupFor(ClientRect{0, 0, 400, 400}, SceneState{});
  DrawList& d = frame.draws;
  d.Colour3(255, 0, 0);
  d.Begin(PrimitiveMode::QuadStrip);
  for (int i = 0; i < 6; ++i) d.Vertex({static_cast<float>(i / 2), static_cast<float>(i % 2), 0});
  d.End();
  d.Colour4(0, 0, 255, 0);
  d.Begin(PrimitiveMode::LineStrip);
  for (int i = 0; i < 3; ++i) d.Vertex({static_cast<float>(i), 0, 0});
  d.End();
  d.LineWidth(4.0f);
  d.Begin(PrimitiveMode::Lines);
  d.Vertex({0, 0, 0});
  d.Vertex({0, 100, 0});
  d.End();

  const WebGlFrame out = WebGlFrameOf(frame);
  ASSERT_EQ(out.batches.size(), 3u);
  struct Expected {
    WebGlBatchKind kind;
    std::size_t count;
    float red, blue, alpha;
  };
  const Expected expected[] = {{WebGlBatchKind::kFill, 12, 1, 0, 1},
                               {WebGlBatchKind::kLine, 4, 0, 1, 0},
                               {WebGlBatchKind::kWideLine, 6, 0, 1, 0}};
  std::vector<std::vector<const float*>> drawn;
  for (std::size_t i = 0; i < 3; ++i) {
    const WebGlBatch& b = out.batches[i];
    drawn.push_back(Drawn(out, b));
    EXPECT_EQ(b.kind, expected[i].kind) << i;
    ASSERT_EQ(drawn[i].size(), expected[i].count) << i;
    const float* v = drawn[i][0];
    EXPECT_EQ(v[6], expected[i].red) << i;
    EXPECT_EQ(v[8], expected[i].blue) << i;
    EXPECT_EQ(v[9], expected[i].alpha) << i;
  }
  // The second quad's triangles: vertices 2, 3, 4 and 3, 5, 4 of the strip.
  const float secondQuadX[] = {1, 1, 2, 1, 2, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(drawn[0][6 + i][0], secondQuadX[i]);
  // The model's y axis runs up the screen here: the wide line is y-major
  // and spreads by 2 of the 400 pixels across x.
  const float* wide = drawn[2][0];
  EXPECT_FLOAT_EQ(wide[10], -0.01f);
  EXPECT_EQ(wide[11], 0.0f);
}

// A quad strip and a line strip longer than 16-bit indices reach are split
// into batches that draw every quad and segment once, in order.
TEST(WebGlBatches, LongStripsAreSplitWithoutLosingAPrimitive) {
  RecordedFrame frame;
  frame.setup = FrameSetupFor(ClientRect{0, 0, 400, 400}, SceneState{});
  DrawList& d = frame.draws;
  const int points = 2 * 40000;
  for (const PrimitiveMode mode : {PrimitiveMode::QuadStrip, PrimitiveMode::LineStrip}) {
    d.Begin(mode);
    for (int i = 0; i < points; ++i) d.Vertex({static_cast<float>(i), 0, 0});
    d.End();
  }
  const WebGlFrame out = WebGlFrameOf(frame);
  struct Expected {
    WebGlBatchKind kind;
    int perPrimitive;
    std::vector<float> firstX;  // of each primitive's corners
  };
  const Expected expected[] = {{WebGlBatchKind::kFill, 6, {0, 1, 2, 1, 3, 2}},
                               {WebGlBatchKind::kLine, 2, {0, 1}}};
  for (const Expected& e : expected) {
    std::vector<const float*> drawn;
    for (const WebGlBatch& b : out.batches)
      if (b.kind == e.kind) {
        EXPECT_LE(b.vertexCount, kWebGlBatchVertices);
        for (const float* v : Drawn(out, b)) drawn.push_back(v);
      }
    const int primitives = e.kind == WebGlBatchKind::kFill ? points / 2 - 1 : points - 1;
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(primitives * e.perPrimitive));
    for (int p = 0; p < primitives; ++p)
      for (int c = 0; c < e.perPrimitive; ++c)
        ASSERT_EQ(drawn[p * e.perPrimitive + c][0],
                  e.firstX[c] + (e.kind == WebGlBatchKind::kFill ? 2 * p : p))
            << p << " " << c;
  }
}

// The light stands at (50, 15, 0) in eye coordinates: a normal turned to it
// gets ambient 0.6 plus the full diffuse (0.7, 0.5, 0.5), one turned away
// only the ambient, one across at 45° part of it.
TEST(WebGlBatches, LightingIsTheFixedPipelines) {
  const WebGlUniforms u =
      WebGlFrameOf(RecordedFrame{FrameSetupFor(ClientRect{0, 0, 100, 100}, SceneState{}), {}, {}})
          .uniforms;
  struct Case {
    std::array<float, 3> position, normal;
    std::array<float, 4> lit;
  };
  const float n = 1.0f / std::sqrt(50.0f * 50.0f + 15.0f * 15.0f);
  const float across = 50.0f * n * 0.70710678f;
  const Case cases[] = {
      {{0, 0, 0}, {50 * n, 15 * n, 0}, {0.65f, 0.55f, 0.55f, 1}},
      {{0, 0, 0}, {-50 * n, -15 * n, 0}, {0.3f, 0.3f, 0.3f, 1}},
      {{50, 15, -10}, {0, 0, 1}, {0.65f, 0.55f, 0.55f, 1}},
      {{0, 0, 0},
       {0.70710678f, 0, 0.70710678f},
       {0.5f * (0.6f + 0.7f * across), 0.5f * (0.6f + 0.5f * across), 0.5f * (0.6f + 0.5f * across),
        1}},
  };
  for (const Case& c : cases) {
    const auto lit = FixedFunctionColour(u, c.position, c.normal, {0.5f, 0.5f, 0.5f, 1});
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(lit[i], c.lit[i], 1e-5) << c.position[0] << " " << i;
  }
}

}  // namespace
}  // namespace veltrisko
