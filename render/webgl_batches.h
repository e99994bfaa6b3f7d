// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
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

// Consecutive vertices of one kind, in the frame's drawing order.
struct WebGlBatch {
  WebGlBatchKind kind;
  std::size_t firstVertex;
  std::size_t vertexCount;
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
  std::vector<WebGlBatch> batches;
};

// Quad strips become triangles, line strips become lines, lines wider than a
// pixel become two triangles each, spread across the line's minor axis as
// OpenGL widens aliased lines. Each vertex carries the normal and colour in
// force when it was given. Expects a frame of FrameSetupFor: no blending,
// no specular light or emission (their terms are zero there).
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
