// SPDX-License-Identifier: MIT
#include "render/webgl_batches.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrisko {
namespace {

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
  std::size_t first = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const WebGlBatch& b = out.batches[i];
    EXPECT_EQ(b.kind, expected[i].kind) << i;
    EXPECT_EQ(b.firstVertex, first) << i;
    EXPECT_EQ(b.vertexCount, expected[i].count) << i;
    const float* v = &out.vertices[b.firstVertex * kWebGlVertexFloats];
    EXPECT_EQ(v[6], expected[i].red) << i;
    EXPECT_EQ(v[8], expected[i].blue) << i;
    EXPECT_EQ(v[9], expected[i].alpha) << i;
    first += b.vertexCount;
  }
  // The second quad's triangles: vertices 2, 3, 4 and 3, 5, 4 of the strip.
  const float secondQuadX[] = {1, 1, 2, 1, 2, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(out.vertices[(6 + i) * kWebGlVertexFloats], secondQuadX[i]);
  // The model's y axis runs up the screen here: the wide line is y-major
  // and spreads by 2 of the 400 pixels across x.
  const float* wide = &out.vertices[16 * kWebGlVertexFloats];
  EXPECT_FLOAT_EQ(wide[10], -0.01f);
  EXPECT_EQ(wide[11], 0.0f);
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
