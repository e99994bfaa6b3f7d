// SPDX-License-Identifier: MIT
#pragma once

#include "scene/matrix3.h"
#include "scene/scene_state.h"
#include "units/angle_units.h"

namespace veltrisko {

// A direction in the world: azimuth and elevation in degrees.
struct WorldDirection {
  float azimuth = 0.0f;
  float elevation = 0.0f;
};

// The same direction relative to the antenna's main direction: azimuth in
// (-180, 180], elevation in [-90, 90] (a direction past a pole is seen on
// the far side of the main direction, as the sample grid does).
struct RelativeDirection {
  float azimuth = 0.0f;
  float elevation = 0.0f;
};
RelativeDirection RelativeDirectionOf(const SceneState& scene, WorldDirection world);

// The point (r cos(el) cos(az), r sin(el), r cos(el) sin(az)) of a world
// direction in degrees: y points up, azimuth 0 lies on +x and 90 on +z.
Vector3 SphericalPoint(float azimuth, float elevation, float radius);

// The same from the direction's sines and cosines, computed once per row or
// column; gives exactly the bits of SphericalPoint.
inline Vector3 SphericalPointFromTrig(float radius, double cosElevation, double sinElevation,
                                      double cosAzimuth, double sinAzimuth) {
  const double r = radius;
  return Vector3(static_cast<float>(r * cosElevation * cosAzimuth),
                 static_cast<float>(r * sinElevation),
                 static_cast<float>(r * cosElevation * sinAzimuth));
}

// The sample grid over the sphere: rows of elevation -90..90, columns of
// azimuth -180..180, both in steps of `step` degrees with both ends included.
struct GridSize {
  int rows = 0;
  int columns = 0;
};

// Steps from 1 to 180 degrees make a grid; any other step has none.
bool IsValidResolutionStep(int step);
GridSize GridSizeFor(int step);

// The client rectangle handed down from the paint path.
struct ClientRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The square viewport in the top-left corner of the client area, in OpenGL's
// bottom-up coordinates. An empty or inverted rectangle gives size 0.
struct Viewport {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const Viewport&, const Viewport&) = default;
};
Viewport SquareViewport(const ClientRect& clientRect);

}  // namespace veltrisko
