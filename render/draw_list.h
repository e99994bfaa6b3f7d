#pragma once

#include <cstdint>
#include <vector>

#include "scene/matrix3.h"

namespace veltrisko {

// The primitive modes a frame uses; the OpenGL backend maps them one-to-one.
enum class PrimitiveMode : std::uint8_t { Lines, LineStrip, QuadStrip };

enum class DrawOp : std::uint8_t {
  Begin,         // glBegin(mode)
  End,           // glEnd()
  Vertex,        // glVertex3f(x, y, z)
  Normal,        // glNormal3fv({x, y, z})
  Colour3,       // glColor3ub(r, g, b)
  Colour4,       // glColor4ub(r, g, b, a)
  LineWidth,     // glLineWidth(x)
  DisableBlend,  // glDisable(GL_BLEND)
};

// One recorded OpenGL call. Fields that the operation does not use are zero,
// so two recordings of the same frame compare equal field by field.
struct DrawCommand {
  DrawOp op = DrawOp::End;
  PrimitiveMode mode = PrimitiveMode::Lines;
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  float x = 0, y = 0, z = 0;

  friend bool operator==(const DrawCommand&, const DrawCommand&) = default;
};

// The calls of one frame in order. The frame computation only fills it; the
// OpenGL backend only replays it.
class DrawList {
 public:
  void Begin(PrimitiveMode mode);
  void End();
  void Vertex(const Vector3& p);
  void Normal(const Vector3& n);
  void Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a);
  void LineWidth(float width);
  void DisableBlend();

  const std::vector<DrawCommand>& Commands() const { return commands_; }
  void Clear() { commands_.clear(); }
  void Reserve(std::size_t count) { commands_.reserve(count); }

 private:
  std::vector<DrawCommand> commands_;
};

}  // namespace veltrisko
