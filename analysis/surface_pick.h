// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "analysis/direction_readout.h"
#include "render/pattern_geometry.h"
#include "render/sample_grid.h"
#include "scene/scene_state.h"

namespace veltrisko {

// A position in the client area in pixels, x to the right and y downwards
// from the client's top-left corner (the frame's square viewport sits there).
struct ScreenPoint {
  double x = 0.0;
  double y = 0.0;
};

// Where the camera puts a point of the rotated model, and its depth (smaller
// is nearer); nothing when the viewport is empty.
struct ProjectedPoint {
  ScreenPoint screen;
  double depth = 0.0;
};
std::optional<ProjectedPoint> ProjectToClient(const SceneState& scene, const ClientRect& client,
                                              const Vector3& rotatedPoint);

// The drawn point of a world direction as the readout shows it (after the
// model rotation) at the pattern's display value there; nothing when a code
// cannot be evaluated.
std::optional<Vector3> SurfacePointOf(const SceneState& scene, const char* horizontalCode,
                                      const char* verticalCode, WorldDirection world);

// The world direction of the nearest drawn surface under a client position:
// the ray through it meets the triangles of the sampled grid as the frame
// draws them; nothing off the pattern. `samples` is the frame's grid.
std::optional<WorldDirection> PickSampledSurface(const SceneState& scene, const ClientRect& client,
                                                 const std::vector<PatternSample>& samples,
                                                 ScreenPoint cursor);

// The same, sampling the pattern of the two codes by the rule in force first;
// nothing when a code is unreadable or neither surface nor grid is drawn.
std::optional<WorldDirection> DirectionUnderCursor(const SceneState& scene,
                                                   const ClientRect& client,
                                                   const char* horizontalCode,
                                                   const char* verticalCode, ScreenPoint cursor);

}  // namespace veltrisko
