// SPDX-License-Identifier: MIT
#include "render/gl/apply_frame_setup.h"

#include <GL/gl.h>

#include "render/gl/gl_draw_sink.h"

namespace veltrisko {
namespace {

void Enable(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

// Capabilities the frame never uses, off as on a fresh context.
constexpr GLenum kUnused[] = {
    GL_ALPHA_TEST,
    GL_COLOR_LOGIC_OP,
    GL_CULL_FACE,
    GL_FOG,
    GL_LINE_SMOOTH,
    GL_LINE_STIPPLE,
    GL_NORMALIZE,
    GL_POLYGON_OFFSET_LINE,
    GL_POLYGON_OFFSET_POINT,
    GL_POLYGON_SMOOTH,
    GL_POLYGON_STIPPLE,
    GL_SCISSOR_TEST,
    GL_STENCIL_TEST,
    GL_TEXTURE_1D,
    GL_TEXTURE_2D,
    GL_TEXTURE_GEN_S,
    GL_TEXTURE_GEN_T,
    GL_CLIP_PLANE0,
    GL_CLIP_PLANE1,
    GL_CLIP_PLANE2,
    GL_CLIP_PLANE3,
    GL_CLIP_PLANE4,
    GL_CLIP_PLANE5,
    GL_LIGHT1,
    GL_LIGHT2,
    GL_LIGHT3,
    GL_LIGHT4,
    GL_LIGHT5,
    GL_LIGHT6,
    GL_LIGHT7,
};

}  // namespace

void ApplyFrameSetup(const FrameSetup& setup) {
  for (const GLenum capability : kUnused) glDisable(capability);
  glEnable(GL_DITHER);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glDepthFunc(GL_LESS);
  glDepthRange(0.0, 1.0);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glFrontFace(GL_CCW);
  glShadeModel(setup.smoothShading ? GL_SMOOTH : GL_FLAT);

  const Viewport& v = setup.viewport;
  glViewport(v.x, v.y, v.width, v.height);
  glClearColor(setup.clearColour[0], setup.clearColour[1], setup.clearColour[2],
               setup.clearColour[3]);
  glClearDepth(setup.clearDepth);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(setup.projection.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(setup.modelview.data());

  // The position is taken through the modelview just loaded.
  glLightfv(GL_LIGHT0, GL_POSITION, setup.lightPosition.data());
  glLightfv(GL_LIGHT0, GL_AMBIENT, setup.lightAmbient.data());
  glLightfv(GL_LIGHT0, GL_DIFFUSE, setup.lightDiffuse.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, setup.lightSpecular.data());
  glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 180.0f);
  glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
  glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.0f);
  glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.0f);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, setup.sceneAmbient.data());
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_FALSE);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, setup.materialSpecular.data());
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, setup.materialEmission.data());
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  Enable(GL_COLOR_MATERIAL, setup.colourMaterial);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);

  glPolygonOffset(setup.polygonOffsetFactor, setup.polygonOffsetUnits);
  Enable(GL_POLYGON_OFFSET_FILL, setup.polygonOffsetFill);
  Enable(GL_DEPTH_TEST, setup.depthTest);
  Enable(GL_BLEND, setup.blend);

  glLineWidth(setup.lineWidth);
  glNormal3f(setup.normal[0], setup.normal[1], setup.normal[2]);
  // With colour material on, this also sets the material's colours.
  glColor4ub(setup.colour[0], setup.colour[1], setup.colour[2], setup.colour[3]);
}

void ReplayFrame(const RecordedFrame& frame) {
  ApplyFrameSetup(frame.setup);
  GlDrawSink sink;
  Replay(frame.draws, sink);
  glFinish();
}

}  // namespace veltrisko
