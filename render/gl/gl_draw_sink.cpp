// SPDX-License-Identifier: MIT
#include "render/gl/gl_draw_sink.h"

#include <GL/gl.h>

namespace veltrisko {

void GlDrawSink::Begin(PrimitiveMode mode) {
  switch (mode) {
    case PrimitiveMode::Lines:
      glBegin(GL_LINES);
      return;
    case PrimitiveMode::LineStrip:
      glBegin(GL_LINE_STRIP);
      return;
    case PrimitiveMode::QuadStrip:
      glBegin(GL_QUAD_STRIP);
      return;
  }
}

void GlDrawSink::End() { glEnd(); }

void GlDrawSink::Vertex(const Vector3& p) { glVertex3f(p.x, p.y, p.z); }

void GlDrawSink::Normal(const Vector3& n) {
  const GLfloat normal[3] = {n.x, n.y, n.z};
  glNormal3fv(normal);
}

void GlDrawSink::Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) { glColor3ub(r, g, b); }

void GlDrawSink::Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  glColor4ub(r, g, b, a);
}

void GlDrawSink::LineWidth(float width) { glLineWidth(width); }

void GlDrawSink::DisableBlend() { glDisable(GL_BLEND); }

}  // namespace veltrisko
