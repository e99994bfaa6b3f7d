// SPDX-License-Identifier: MIT
#include "render/webgl_batches.h"

#include <algorithm>
#include <cmath>

namespace veltrisko {
namespace {

struct Point {
  std::array<float, 3> position;
  std::array<float, 3> normal;
  std::array<float, 4> colour;
};

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

class Converter {
 public:
  explicit Converter(const FrameSetup& setup) {
    frame_.uniforms.projection = setup.projection;
    frame_.uniforms.modelview = setup.modelview;
    for (int i = 0; i < 3; ++i) {
      // The position is given while the modelview is the identity: it stays.
      frame_.uniforms.lightPosition[i] = setup.lightPosition[i];
      frame_.uniforms.lightDiffuse[i] = setup.lightDiffuse[i];
      frame_.uniforms.ambient[i] = setup.sceneAmbient[i] + setup.lightAmbient[i];
    }
    frame_.uniforms.clearColour = setup.clearColour;
    frame_.uniforms.viewport = setup.viewport;
    frame_.uniforms.polygonOffsetFactor = setup.polygonOffsetFactor;
    frame_.uniforms.polygonOffsetUnits = setup.polygonOffsetUnits;
    normal_ = setup.normal;
    colour_ = ColourOf(setup.colour);
    lineWidth_ = setup.lineWidth;
  }

  void Run(const DrawList& draws) {
    for (const DrawCommand& c : draws.Commands()) {
      switch (c.op) {
        case DrawOp::Begin:
          mode_ = c.mode;
          points_.clear();
          break;
        case DrawOp::End:
          Flush();
          break;
        case DrawOp::Vertex:
          points_.push_back({{c.x, c.y, c.z}, normal_, colour_});
          break;
        case DrawOp::Normal:
          normal_ = {c.x, c.y, c.z};
          break;
        case DrawOp::Colour3:
          colour_ = ColourOf({c.r, c.g, c.b, 255});
          break;
        case DrawOp::Colour4:
          colour_ = ColourOf({c.r, c.g, c.b, c.a});
          break;
        case DrawOp::LineWidth:
          lineWidth_ = c.x;
          break;
        case DrawOp::DisableBlend:
          break;
      }
    }
  }

  WebGlFrame Take() { return std::move(frame_); }

 private:
  void Flush() {
    if (mode_ == PrimitiveMode::QuadStrip) {
      for (std::size_t i = 0; i + 3 < points_.size(); i += 2) {
        const Point &a = points_[i], &b = points_[i + 1], &c = points_[i + 2], &d = points_[i + 3];
        for (const Point* p : {&a, &b, &c, &b, &d, &c}) Add(WebGlBatchKind::kFill, *p, {0, 0});
      }
    } else {
      const std::size_t stride = mode_ == PrimitiveMode::Lines ? 2 : 1;
      for (std::size_t i = 0; i + 1 < points_.size(); i += stride)
        Segment(points_[i], points_[i + 1]);
    }
    points_.clear();
  }

  void Segment(const Point& a, const Point& b) {
    if (lineWidth_ <= 1.0f) {
      Add(WebGlBatchKind::kLine, a, {0, 0});
      Add(WebGlBatchKind::kLine, b, {0, 0});
      return;
    }
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
    Add(WebGlBatchKind::kWideLine, a, neg);
    Add(WebGlBatchKind::kWideLine, a, off);
    Add(WebGlBatchKind::kWideLine, b, neg);
    Add(WebGlBatchKind::kWideLine, a, off);
    Add(WebGlBatchKind::kWideLine, b, off);
    Add(WebGlBatchKind::kWideLine, b, neg);
  }

  void Add(WebGlBatchKind kind, const Point& p, const std::array<float, 2>& offset) {
    std::vector<WebGlBatch>& batches = frame_.batches;
    const std::size_t index = frame_.vertices.size() / kWebGlVertexFloats;
    if (batches.empty() || batches.back().kind != kind) batches.push_back({kind, index, 0});
    ++batches.back().vertexCount;
    std::vector<float>& out = frame_.vertices;
    out.insert(out.end(), p.position.begin(), p.position.end());
    out.insert(out.end(), p.normal.begin(), p.normal.end());
    out.insert(out.end(), p.colour.begin(), p.colour.end());
    out.insert(out.end(), offset.begin(), offset.end());
  }

  WebGlFrame frame_;
  PrimitiveMode mode_ = PrimitiveMode::Lines;
  std::vector<Point> points_;
  std::array<float, 3> normal_{};
  std::array<float, 4> colour_{};
  float lineWidth_ = 1.0f;
};

}  // namespace

WebGlFrame WebGlFrameOf(const RecordedFrame& frame) {
  Converter converter(frame.setup);
  converter.Run(frame.draws);
  return converter.Take();
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
