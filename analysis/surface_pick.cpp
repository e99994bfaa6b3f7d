// SPDX-License-Identifier: MIT
#include "analysis/surface_pick.h"

#include <array>
#include <cmath>
#include <exception>
#include <limits>

#include "render/display_value.h"
#include "render/pattern_lookup.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

// The camera maps a model length of 120 units onto the half viewport.
constexpr double kCameraUnits = 120.0;

struct Projected {
  double x, y, depth;
};

Projected ToDeviceCoordinates(const SceneState& scene, const Vector3& p) {
  const Matrix3& axes = scene.projectionAxes;
  const auto row = [&](int i) {
    return (axes.At(i, 0) * double{p.x} + axes.At(i, 1) * double{p.y} +
            axes.At(i, 2) * double{p.z}) /
           kCameraUnits;
  };
  return {row(0), row(1), row(2)};
}

// The world direction of a point of the rotated model: the rotation is
// orthonormal, so its transpose turns the point back.
std::optional<WorldDirection> DirectionOfRotatedPoint(const SceneState& scene, const double p[3]) {
  const Matrix3& m = scene.modelRotation;
  double w[3];
  for (int i = 0; i < 3; ++i) w[i] = m.At(0, i) * p[0] + m.At(1, i) * p[1] + m.At(2, i) * p[2];
  const double horizontal = std::hypot(w[0], w[2]);
  if (horizontal == 0.0 && w[1] == 0.0) return std::nullopt;
  return WorldDirection{static_cast<float>(std::atan2(w[2], w[0]) * kDegreesPerRadian),
                        static_cast<float>(std::atan2(w[1], horizontal) * kDegreesPerRadian)};
}

}  // namespace

std::optional<ProjectedPoint> ProjectToClient(const SceneState& scene, const ClientRect& client,
                                              const Vector3& rotatedPoint) {
  const Viewport viewport = SquareViewport(client);
  if (viewport.width <= 0) return std::nullopt;
  const Projected d = ToDeviceCoordinates(scene, rotatedPoint);
  const double size = viewport.width;
  return ProjectedPoint{{client.left + (d.x + 1.0) * 0.5 * size, (1.0 - d.y) * 0.5 * size},
                        d.depth};
}

std::optional<Vector3> SurfacePointOf(const SceneState& scene, const char* horizontalCode,
                                      const char* verticalCode, WorldDirection world) {
  const std::optional<DirectionReadout> readout =
      ReadDirection(scene, horizontalCode, verticalCode, world);
  if (!readout) return std::nullopt;
  Vector3 p =
      SphericalPoint(readout->world.azimuth, readout->world.elevation, readout->displayValue);
  p.Transform(scene.modelRotation);
  return p;
}

std::optional<WorldDirection> PickSampledSurface(const SceneState& scene, const ClientRect& client,
                                                 const std::vector<PatternSample>& samples,
                                                 ScreenPoint cursor) {
  const Viewport viewport = SquareViewport(client);
  const GridSize size = GridSizeFor(scene.resolutionStep);
  if (viewport.width <= 0 || size.rows < 2 ||
      samples.size() != static_cast<std::size_t>(size.rows) * size.columns) {
    return std::nullopt;
  }
  const double half = viewport.width * 0.5;
  const double cx = (cursor.x - client.left) / half - 1.0;
  const double cy = 1.0 - cursor.y / half;

  std::vector<Projected> projected(samples.size());
  for (std::size_t k = 0; k < samples.size(); ++k) {
    projected[k] = ToDeviceCoordinates(scene, Vector3(samples[k].x, samples[k].y, samples[k].z));
  }
  double nearest = std::numeric_limits<double>::infinity();
  double hit[3] = {0, 0, 0};
  bool found = false;
  const auto tryTriangle = [&](std::size_t a, std::size_t b, std::size_t c) {
    const Projected& pa = projected[a];
    const Projected& pb = projected[b];
    const Projected& pc = projected[c];
    const double det = (pb.x - pa.x) * (pc.y - pa.y) - (pc.x - pa.x) * (pb.y - pa.y);
    if (std::fabs(det) < 1e-14) return;
    const double u = ((cx - pa.x) * (pc.y - pa.y) - (pc.x - pa.x) * (cy - pa.y)) / det;
    const double v = ((pb.x - pa.x) * (cy - pa.y) - (cx - pa.x) * (pb.y - pa.y)) / det;
    if (u < 0.0 || v < 0.0 || u + v > 1.0) return;
    const double depth = pa.depth + u * (pb.depth - pa.depth) + v * (pc.depth - pa.depth);
    if (depth >= nearest) return;
    const PatternSample& sa = samples[a];
    const PatternSample& sb = samples[b];
    const PatternSample& sc = samples[c];
    nearest = depth;
    hit[0] = sa.x + u * (double{sb.x} - sa.x) + v * (double{sc.x} - sa.x);
    hit[1] = sa.y + u * (double{sb.y} - sa.y) + v * (double{sc.y} - sa.y);
    hit[2] = sa.z + u * (double{sb.z} - sa.z) + v * (double{sc.z} - sa.z);
    found = true;
  };
  // The quads of the frame's strips: row i at column j and j + 1, row i + 1
  // one column ahead (j + 1 and j + 2); the closing quad wraps to column 1.
  const auto columns = static_cast<std::size_t>(size.columns);
  for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(size.rows); ++i) {
    const std::size_t row = i * columns;
    const std::size_t above = row + columns;
    for (std::size_t j = 0; j + 1 < columns; ++j) {
      const std::size_t next = j + 1 < columns - 1 ? j + 1 : 0;
      const std::size_t aheadNext = next + 1;
      tryTriangle(row + j, above + j + 1, row + next);
      tryTriangle(row + next, above + j + 1, above + aheadNext);
    }
  }
  if (!found) return std::nullopt;
  return DirectionOfRotatedPoint(scene, hit);
}

std::optional<WorldDirection> DirectionUnderCursor(const SceneState& scene,
                                                   const ClientRect& client,
                                                   const char* horizontalCode,
                                                   const char* verticalCode, ScreenPoint cursor) {
  if (!(scene.showSurface || scene.showGrid) || !IsValidResolutionStep(scene.resolutionStep) ||
      !std::isfinite(scene.azimuth) || !std::isfinite(scene.elevation)) {
    return std::nullopt;
  }
  std::vector<PatternSample> samples;
  try {
    const auto lookup = MakeParsedLookup(horizontalCode, verticalCode, scene.useHcmV7);
    SampleSphere(scene, DisplayRange(scene.logScale, scene.dbRange), *lookup, samples);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return PickSampledSurface(scene, client, samples, cursor);
}

}  // namespace veltrisko
