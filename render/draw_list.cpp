// SPDX-License-Identifier: MIT
#include "render/draw_list.h"

namespace veltrisko {

void DrawList::Begin(PrimitiveMode mode) {
  commands_.push_back({.op = DrawOp::Begin, .mode = mode});
}

void DrawList::End() { commands_.push_back({.op = DrawOp::End}); }

void DrawList::Vertex(const Vector3& p) {
  commands_.push_back({.op = DrawOp::Vertex, .x = p.x, .y = p.y, .z = p.z});
}

void DrawList::Normal(const Vector3& n) {
  commands_.push_back({.op = DrawOp::Normal, .x = n.x, .y = n.y, .z = n.z});
}

void DrawList::Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  commands_.push_back({.op = DrawOp::Colour3, .r = r, .g = g, .b = b});
}

void DrawList::Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  commands_.push_back({.op = DrawOp::Colour4, .r = r, .g = g, .b = b, .a = a});
}

void DrawList::LineWidth(float width) {
  commands_.push_back({.op = DrawOp::LineWidth, .x = width});
}

void DrawList::DisableBlend() { commands_.push_back({.op = DrawOp::DisableBlend}); }

void Replay(const DrawList& list, DrawSink& out) {
  for (const DrawCommand& c : list.Commands()) {
    switch (c.op) {
      case DrawOp::Begin:
        out.Begin(c.mode);
        break;
      case DrawOp::End:
        out.End();
        break;
      case DrawOp::Vertex:
        out.Vertex(Vector3(c.x, c.y, c.z));
        break;
      case DrawOp::Normal:
        out.Normal(Vector3(c.x, c.y, c.z));
        break;
      case DrawOp::Colour3:
        out.Colour3(c.r, c.g, c.b);
        break;
      case DrawOp::Colour4:
        out.Colour4(c.r, c.g, c.b, c.a);
        break;
      case DrawOp::LineWidth:
        out.LineWidth(c.x);
        break;
      case DrawOp::DisableBlend:
        out.DisableBlend();
        break;
    }
  }
}

}  // namespace veltrisko
