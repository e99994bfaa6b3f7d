// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/frame_setup.h"

namespace veltrisko {

// A recorded frame as vertex arrays for a WebGL 1 (OpenGL ES 2) sink, which
// has neither quad strips, nor wide lines, nor fixed-function lighting.

// Floats per vertex: position (3), normal (3), colour RGBA in 0..1 (4), and
// an offset in normalised device coordinates (2) that the vertex shader adds
// after the projection, times w: the half width of a wide line.
inline constexpr std::size_t kWebGlVertexFloats = 12;

enum class WebGlBatchKind {
  kFill,      // triangles with the polygon offset
  kLine,      // one-pixel lines
  kWideLine,  // triangles without the polygon offset: a line wider than a pixel
};

// WebGL 1 draws by 16-bit indices: a batch has at most this many vertices.
inline constexpr std::size_t kWebGlBatchVertices = 65536;

// Primitives of one kind, in the frame's drawing order: triangles (kFill,
// kWideLine) or line pairs (kLine) of the indices from `firstIndex`, which
// count from the batch's first vertex.
struct WebGlBatch {
  WebGlBatchKind kind;
  std::size_t firstVertex;
  std::size_t vertexCount;
  std::size_t firstIndex;
  std::size_t indexCount;
};

// The fixed pipeline's state as a vertex shader takes it.
struct WebGlUniforms {
  Matrix4 projection{};
  Matrix4 modelview{};
  std::array<float, 3> lightPosition{};  // eye coordinates, positional light
  std::array<float, 3> lightDiffuse{};
  std::array<float, 3> ambient{};  // scene ambient plus the light's ambient
  std::array<float, 4> clearColour{};
  Viewport viewport;
  float polygonOffsetFactor = 0.0f;
  float polygonOffsetUnits = 0.0f;
};

struct WebGlFrame {
  WebGlUniforms uniforms;
  std::vector<float> vertices;  // kWebGlVertexFloats per vertex
  std::vector<std::uint16_t> indices;
  std::vector<WebGlBatch> batches;
};

// Builds a frame's arrays into `frame` as its calls come, reusing the
// arrays' storage of the frame before (no recording, no reallocation in the
// page's frame after frame). Quad strips become triangles on the strip's
// own vertices, line strips become line pairs, lines wider than a pixel become two triangles each,
// spread across the line's minor axis as OpenGL widens aliased lines. Each vertex carries the
// normal and colour in force when it was given. Expects a frame of FrameSetupFor: no blending, no
// specular light or emission (their terms are zero there).
class WebGlFrameBuilder final : public DrawSink {
 public:
  WebGlFrameBuilder(const FrameSetup& setup, WebGlFrame& frame);

  void Begin(PrimitiveMode mode) override;
  void End() override;
  void Vertex(const Vector3& p) override;
  void Normal(const Vector3& n) override;
  void Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
  void Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override;
  void LineWidth(float width) override;
  void DisableBlend() override;

 private:
  struct Point {
    std::array<float, 3> position;
    std::array<float, 3> normal;
    std::array<float, 4> colour;
  };
  void WideSegment(const Point& a, const Point& b);
  // Makes room for `vertices` more vertices of `kind` in the last batch, or
  // starts a new one; returns the index the next vertex will have.
  std::size_t Reserve(WebGlBatchKind kind, std::size_t vertices);
  void AddVertex(const Point& p, const std::array<float, 2>& offset);
  void AddIndex(std::size_t index);

  WebGlFrame& frame_;
  PrimitiveMode mode_ = PrimitiveMode::Lines;
  std::vector<Point> points_;
  std::array<float, 3> normal_{};
  std::array<float, 4> colour_{};
  float lineWidth_ = 1.0f;
};

// The same for a recorded frame.
WebGlFrame WebGlFrameOf(const RecordedFrame& frame);

// The colour the fixed pipeline lights a vertex with (eye coordinates, an
// unnormalised normal as OpenGL uses it without GL_NORMALIZE, colour
// material for ambient and diffuse, one side lit): what the vertex shader
// computes, in 0..1.
std::array<float, 4> FixedFunctionColour(const WebGlUniforms& uniforms,
                                         const std::array<float, 3>& eyePosition,
                                         const std::array<float, 3>& normal,
                                         const std::array<float, 4>& colour);

}  // namespace veltrisko
