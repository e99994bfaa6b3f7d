#include "render/gl_replay.h"

#include <GL/gl.h>

namespace veltrisko {
namespace {

GLenum GlModeOf(PrimitiveMode mode) {
  switch (mode) {
    case PrimitiveMode::Lines:
      return GL_LINES;
    case PrimitiveMode::LineStrip:
      return GL_LINE_STRIP;
    case PrimitiveMode::QuadStrip:
      return GL_QUAD_STRIP;
  }
  return GL_LINES;
}

}  // namespace

void ReplayDrawList(const DrawList& list) {
  for (const DrawCommand& c : list.Commands()) {
    switch (c.op) {
      case DrawOp::Begin:
        glBegin(GlModeOf(c.mode));
        break;
      case DrawOp::End:
        glEnd();
        break;
      case DrawOp::Vertex:
        glVertex3f(c.x, c.y, c.z);
        break;
      case DrawOp::Normal: {
        const GLfloat normal[3] = {c.x, c.y, c.z};
        glNormal3fv(normal);
        break;
      }
      case DrawOp::Colour3:
        glColor3ub(c.r, c.g, c.b);
        break;
      case DrawOp::Colour4:
        glColor4ub(c.r, c.g, c.b, c.a);
        break;
      case DrawOp::LineWidth:
        glLineWidth(c.x);
        break;
      case DrawOp::DisableBlend:
        glDisable(GL_BLEND);
        break;
    }
  }
}

}  // namespace veltrisko
