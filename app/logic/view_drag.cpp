// SPDX-License-Identifier: MIT
#include "app/logic/view_drag.h"

#include <algorithm>
#include <cstdlib>

namespace veltrisko {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
// A view operation wraps at most once, so one call may move by less than
// 180 degrees; longer movements are cut into pieces of this many pixels.
constexpr int kPixelsPerPiece = 300;

template <typename Operation>
void Step(int pixels, Operation operation) {
  while (pixels != 0) {
    const int piece = std::clamp(pixels, -kPixelsPerPiece, kPixelsPerPiece);
    operation(static_cast<float>(piece * kDragDegreesPerPixel * kRadiansPerDegree));
    pixels -= piece;
  }
}

}  // namespace

bool ApplyDrag(SceneState& scene, DragMode mode, int dx, int dy) {
  if (mode == DragMode::kTilt) {
    Step(dy, [&](float step) { scene.TiltModel(AxisAngles{0.0f, 0.0f}, step); });
    return dy != 0;
  }
  Step(dx, [&](float step) { scene.ChangeAzimuth(step); });
  Step(-dy, [&](float step) { scene.ChangeElevation(step); });
  return dx != 0 || dy != 0;
}

}  // namespace veltrisko
