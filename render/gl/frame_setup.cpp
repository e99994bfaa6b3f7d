// SPDX-License-Identifier: MIT
#include "render/gl/frame_setup.h"

#include <GL/gl.h>

#include "render/pattern_geometry.h"

namespace veltrisko {

FrameSetup::FrameSetup(const ClientRect& clientRect, const SceneState& scene) {
  const Viewport viewport = SquareViewport(clientRect);
  glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  glEnable(GL_COLOR_MATERIAL);
  glColor3ub(255, 255, 255);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  // Given while the modelview matrix is the identity, so the light stays put
  // in the coordinates of the rotated model.
  const GLfloat lightPosition[4] = {50.0f, 15.0f, 0.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
  const GLfloat ambient[4] = {0.6f, 0.6f, 0.6f, 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  const GLfloat diffuse[4] = {0.7f, 0.5f, 0.5f, 1.0f};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);

  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(scene.cameraMatrix);
  // The vertical flip cancels the camera's negated middle column.
  glScaled(1.0 / 240.0, -1.0 / 240.0, 1.0 / 240.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  // Pushes filled polygons back so grid lines on the surface pass the test.
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(0.5f, 1.0f);
  glEnable(GL_DEPTH_TEST);
  glClearDepth(1.0);
}

FrameSetup::~FrameSetup() { glFinish(); }

}  // namespace veltrisko
