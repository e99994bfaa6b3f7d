#include "render/draw_list.h"

namespace veltrisko {

void DrawList::Begin(PrimitiveMode mode) {
  DrawCommand c;
  c.op = DrawOp::Begin;
  c.mode = mode;
  commands_.push_back(c);
}

void DrawList::End() { commands_.push_back(DrawCommand{}); }

void DrawList::Vertex(const Vector3& p) {
  DrawCommand c;
  c.op = DrawOp::Vertex;
  c.x = p.x;
  c.y = p.y;
  c.z = p.z;
  commands_.push_back(c);
}

void DrawList::Normal(const Vector3& n) {
  DrawCommand c;
  c.op = DrawOp::Normal;
  c.x = n.x;
  c.y = n.y;
  c.z = n.z;
  commands_.push_back(c);
}

void DrawList::Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  DrawCommand c;
  c.op = DrawOp::Colour3;
  c.r = r;
  c.g = g;
  c.b = b;
  commands_.push_back(c);
}

void DrawList::Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  DrawCommand c;
  c.op = DrawOp::Colour4;
  c.r = r;
  c.g = g;
  c.b = b;
  c.a = a;
  commands_.push_back(c);
}

void DrawList::LineWidth(float width) {
  DrawCommand c;
  c.op = DrawOp::LineWidth;
  c.x = width;
  commands_.push_back(c);
}

void DrawList::DisableBlend() {
  DrawCommand c;
  c.op = DrawOp::DisableBlend;
  commands_.push_back(c);
}

}  // namespace veltrisko
