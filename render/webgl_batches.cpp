// SPDX-License-Identifier: MIT
#include "render/webgl_batches.h"

#include <algorithm>
#include <cmath>

namespace veltrisko {
namespace {

std::array<float, 4> ColourOf(const std::array<std::uint8_t, 4>& c) {
  return {c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f, c[3] / 255.0f};
}

// Window coordinates (pixels) of a model point, x and y.
std::array<double, 2> WindowOf(const WebGlUniforms& u, const std::array<float, 3>& p) {
  std::array<double, 4> eye{}, clip{};
  const std::array<double, 4> in{p[0], p[1], p[2], 1.0};
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      eye[row] += u.modelview[column * 4 + row] * in[column];
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      clip[row] += u.projection[column * 4 + row] * eye[column];
  const double w = clip[3] != 0.0 ? clip[3] : 1.0;
  return {clip[0] / w * u.viewport.width / 2.0, clip[1] / w * u.viewport.height / 2.0};
}

}  // namespace

WebGlFrameBuilder::WebGlFrameBuilder(const FrameSetup& setup, WebGlFrame& frame) : frame_(frame) {
  frame_.vertices.clear();
  frame_.indices.clear();
  frame_.batches.clear();
  WebGlUniforms& u = frame_.uniforms;
  u.projection = setup.projection;
  u.modelview = setup.modelview;
  for (int i = 0; i < 3; ++i) {
    // The position is given while the modelview is the identity: it stays.
    u.lightPosition[i] = setup.lightPosition[i];
    u.lightDiffuse[i] = setup.lightDiffuse[i];
    u.ambient[i] = setup.sceneAmbient[i] + setup.lightAmbient[i];
  }
  u.clearColour = setup.clearColour;
  u.viewport = setup.viewport;
  u.polygonOffsetFactor = setup.polygonOffsetFactor;
  u.polygonOffsetUnits = setup.polygonOffsetUnits;
  normal_ = setup.normal;
  colour_ = ColourOf(setup.colour);
  lineWidth_ = setup.lineWidth;
}

void WebGlFrameBuilder::Begin(PrimitiveMode mode) {
  mode_ = mode;
  points_.clear();
}

void WebGlFrameBuilder::End() {
  const std::size_t n = points_.size();
  if (mode_ == PrimitiveMode::QuadStrip) {
    // In runs of at most a batch's vertices; a run after the first repeats
    // the last two points of the one before.
    for (std::size_t start = 0; start + 3 < n;) {
      const std::size_t m = std::min(n - start, kWebGlBatchVertices);
      const std::size_t base = Reserve(WebGlBatchKind::kFill, m);
      for (std::size_t i = 0; i < m; ++i) AddVertex(points_[start + i], {0, 0});
      for (std::size_t i = 0; i + 3 < m; i += 2)
        for (const std::size_t corner : {0, 1, 2, 1, 3, 2}) AddIndex(base + i + corner);
      start += m - 2;
    }
  } else if (lineWidth_ <= 1.0f) {
    const bool strip = mode_ != PrimitiveMode::Lines;
    for (std::size_t start = 0; start + 1 < n;) {
      std::size_t m = std::min(n - start, kWebGlBatchVertices);
      if (!strip) m -= m % 2;
      const std::size_t base = Reserve(WebGlBatchKind::kLine, m);
      for (std::size_t i = 0; i < m; ++i) AddVertex(points_[start + i], {0, 0});
      for (std::size_t i = 0; i + 1 < m; i += strip ? 1 : 2) {
        AddIndex(base + i);
        AddIndex(base + i + 1);
      }
      start += strip ? m - 1 : m;
    }
  } else {
    const std::size_t stride = mode_ == PrimitiveMode::Lines ? 2 : 1;
    for (std::size_t i = 0; i + 1 < n; i += stride) WideSegment(points_[i], points_[i + 1]);
  }
  points_.clear();
}

void WebGlFrameBuilder::Vertex(const Vector3& p) {
  points_.push_back({{p.x, p.y, p.z}, normal_, colour_});
}
void WebGlFrameBuilder::Normal(const Vector3& n) { normal_ = {n.x, n.y, n.z}; }
void WebGlFrameBuilder::Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  colour_ = ColourOf({r, g, b, 255});
}
void WebGlFrameBuilder::Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  colour_ = ColourOf({r, g, b, a});
}
void WebGlFrameBuilder::LineWidth(float width) { lineWidth_ = width; }
void WebGlFrameBuilder::DisableBlend() {}

void WebGlFrameBuilder::WideSegment(const Point& a, const Point& b) {
  // An aliased wide line spans `width` pixels along its minor axis.
  const auto wa = WindowOf(frame_.uniforms, a.position);
  const auto wb = WindowOf(frame_.uniforms, b.position);
  const bool xMajor = std::abs(wb[0] - wa[0]) >= std::abs(wb[1] - wa[1]);
  const Viewport& v = frame_.uniforms.viewport;
  const float half = lineWidth_ / 2.0f;
  const std::array<float, 2> off =
      xMajor ? std::array<float, 2>{0.0f, v.height > 0 ? 2.0f * half / v.height : 0.0f}
             : std::array<float, 2>{v.width > 0 ? 2.0f * half / v.width : 0.0f, 0.0f};
  const std::array<float, 2> neg{-off[0], -off[1]};
  const std::size_t base = Reserve(WebGlBatchKind::kWideLine, 4);
  AddVertex(a, neg);
  AddVertex(a, off);
  AddVertex(b, neg);
  AddVertex(b, off);
  for (const std::size_t corner : {0, 1, 2, 1, 3, 2}) AddIndex(base + corner);
}

std::size_t WebGlFrameBuilder::Reserve(WebGlBatchKind kind, std::size_t vertices) {
  std::vector<WebGlBatch>& batches = frame_.batches;
  if (batches.empty() || batches.back().kind != kind ||
      batches.back().vertexCount + vertices > kWebGlBatchVertices)
    batches.push_back(
        {kind, frame_.vertices.size() / kWebGlVertexFloats, 0, frame_.indices.size(), 0});
  return batches.back().vertexCount;
}

void WebGlFrameBuilder::AddVertex(const Point& p, const std::array<float, 2>& offset) {
  std::vector<float>& out = frame_.vertices;
  const std::size_t at = out.size();
  out.resize(at + kWebGlVertexFloats);
  float* v = out.data() + at;
  v = std::copy(p.position.begin(), p.position.end(), v);
  v = std::copy(p.normal.begin(), p.normal.end(), v);
  v = std::copy(p.colour.begin(), p.colour.end(), v);
  std::copy(offset.begin(), offset.end(), v);
  ++frame_.batches.back().vertexCount;
}

void WebGlFrameBuilder::AddIndex(std::size_t index) {
  frame_.indices.push_back(static_cast<std::uint16_t>(index));
  ++frame_.batches.back().indexCount;
}

WebGlFrame WebGlFrameOf(const RecordedFrame& frame) {
  WebGlFrame out;
  WebGlFrameBuilder builder(frame.setup, out);
  Replay(frame.draws, builder);
  return out;
}

std::array<float, 4> FixedFunctionColour(const WebGlUniforms& uniforms,
                                         const std::array<float, 3>& eyePosition,
                                         const std::array<float, 3>& normal,
                                         const std::array<float, 4>& colour) {
  std::array<float, 3> toLight{};
  float length = 0.0f;
  for (int i = 0; i < 3; ++i) {
    toLight[i] = uniforms.lightPosition[i] - eyePosition[i];
    length += toLight[i] * toLight[i];
  }
  length = std::sqrt(length);
  float facing = 0.0f;
  for (int i = 0; i < 3; ++i) facing += normal[i] * (length > 0.0f ? toLight[i] / length : 0.0f);
  facing = std::max(facing, 0.0f);
  std::array<float, 4> lit{};
  for (int i = 0; i < 3; ++i)
    lit[i] = std::clamp(colour[i] * (uniforms.ambient[i] + facing * uniforms.lightDiffuse[i]), 0.0f,
                        1.0f);
  lit[3] = colour[3];
  return lit;
}

}  // namespace veltrisko
