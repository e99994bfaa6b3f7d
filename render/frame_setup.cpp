// SPDX-License-Identifier: MIT
#include "render/frame_setup.h"

namespace veltrisko {

FrameSetup FrameSetupFor(const ClientRect& clientRect, const SceneState& scene) {
  FrameSetup setup;
  setup.viewport = SquareViewport(clientRect);
  setup.clearColour = {1.0f, 1.0f, 1.0f, 1.0f};
  setup.clearDepth = 1.0;

  // The camera times the scale (1/240, -1/240, 1/240): each column scaled
  // in single precision, as OpenGL's glScale does it. The vertical flip
  // cancels the camera's negated middle column.
  const float scale[3] = {static_cast<float>(1.0 / 240.0), static_cast<float>(-1.0 / 240.0),
                          static_cast<float>(1.0 / 240.0)};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      const float element = scene.cameraMatrix[column * 4 + row];
      setup.projection[column * 4 + row] = column < 3 ? element * scale[column] : element;
    }
  }
  setup.modelview = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  setup.lightPosition = {50.0f, 15.0f, 0.0f, 1.0f};
  setup.lightAmbient = {0.0f, 0.0f, 0.0f, 1.0f};
  setup.lightDiffuse = {0.7f, 0.5f, 0.5f, 1.0f};
  setup.lightSpecular = {1.0f, 1.0f, 1.0f, 1.0f};
  setup.sceneAmbient = {0.6f, 0.6f, 0.6f, 1.0f};
  setup.colourMaterial = true;
  setup.materialSpecular = {0.0f, 0.0f, 0.0f, 1.0f};
  setup.materialEmission = {0.0f, 0.0f, 0.0f, 1.0f};

  // Pushes filled polygons back so grid lines on the surface pass the test.
  setup.polygonOffsetFill = true;
  setup.polygonOffsetFactor = 0.5f;
  setup.polygonOffsetUnits = 1.0f;

  // OpenGL's initial values: the axes, drawn first, are lit with this normal.
  setup.lineWidth = 1.0f;
  setup.normal = {0.0f, 0.0f, 1.0f};
  setup.colour = {255, 255, 255, 255};
  return setup;
}

RecordedFrame RecordWholeFrame(const SceneState& scene, const ClientRect& clientRect,
                               const char* horizontalCode, const char* verticalCode,
                               const FrameOptions& options,
                               std::optional<DifferenceFindings>* findings) {
  RecordedFrame frame;
  frame.setup = FrameSetupFor(clientRect, scene);
  frame.outcome =
      RecordPatternFrame(scene, horizontalCode, verticalCode, frame.draws, options, findings);
  return frame;
}

}  // namespace veltrisko
