// SPDX-License-Identifier: MIT
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

// Where a frame's calls go: the OpenGL backend sends each straight on, a
// DrawList records them. The frame computation knows nothing else.
class DrawSink {
 public:
  virtual ~DrawSink() = default;
  virtual void Begin(PrimitiveMode mode) = 0;
  virtual void End() = 0;
  virtual void Vertex(const Vector3& p) = 0;
  virtual void Normal(const Vector3& n) = 0;
  virtual void Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
  virtual void Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) = 0;
  virtual void LineWidth(float width) = 0;
  virtual void DisableBlend() = 0;
};

// The calls of one frame in order, for looking at them afterwards.
class DrawList final : public DrawSink {
 public:
  void Begin(PrimitiveMode mode) override;
  void End() override;
  void Vertex(const Vector3& p) override;
  void Normal(const Vector3& n) override;
  void Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
  void Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override;
  void LineWidth(float width) override;
  void DisableBlend() override;

  const std::vector<DrawCommand>& Commands() const { return commands_; }

 private:
  std::vector<DrawCommand> commands_;
};

// Sends the recorded calls to `out` in their order.
void Replay(const DrawList& list, DrawSink& out);

}  // namespace veltrisko
