// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <vector>

#include "render/draw_list.h"
#include "render/pattern_lookup.h"

namespace veltrisko::testing {

// One glBegin..glEnd block of a recorded frame with the state it was drawn in.
struct Primitive {
  PrimitiveMode mode = PrimitiveMode::Lines;
  DrawCommand colour;       // the last colour set before glBegin
  float lineWidth = -1.0f;  // the last line width set before glBegin, -1 if none
  std::vector<DrawCommand> body;

  std::vector<DrawCommand> Vertices() const {
    std::vector<DrawCommand> v;
    for (const DrawCommand& c : body)
      if (c.op == DrawOp::Vertex) v.push_back(c);
    return v;
  }
  bool HasColour(int r, int g, int b) const {
    return colour.r == r && colour.g == g && colour.b == b;
  }
};

inline std::vector<Primitive> PrimitivesOf(const DrawList& list) {
  std::vector<Primitive> primitives;
  DrawCommand colour;
  float width = -1.0f;
  bool inside = false;
  for (const DrawCommand& c : list.Commands()) {
    if (c.op == DrawOp::Begin) {
      primitives.push_back({c.mode, colour, width, {}});
      inside = true;
    } else if (c.op == DrawOp::End) {
      inside = false;
    } else if (inside) {
      primitives.back().body.push_back(c);
      if (c.op == DrawOp::Colour3 || c.op == DrawOp::Colour4) colour = c;
    } else if (c.op == DrawOp::Colour3 || c.op == DrawOp::Colour4) {
      colour = c;
    } else if (c.op == DrawOp::LineWidth) {
      width = c.x;
    }
  }
  return primitives;
}

inline float LengthOf(const DrawCommand& c) {
  return static_cast<float>(std::sqrt(double{c.x} * c.x + double{c.y} * c.y + double{c.z} * c.z));
}

// A pattern given as a formula of the relative direction; records each
// lookup so tests can see where the frame looked.
class FormulaLookup final : public PatternLookup {
 public:
  using Formula = float (*)(float azimuth, float elevation);
  explicit FormulaLookup(Formula formula) : formula_(formula) {}

  float At(float azimuth, float elevation) override {
    calls.push_back({azimuth, elevation});
    return formula_(azimuth, elevation);
  }

  struct Call {
    float azimuth, elevation;
  };
  std::vector<Call> calls;

 private:
  Formula formula_;
};

}  // namespace veltrisko::testing
