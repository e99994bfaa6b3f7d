// SPDX-License-Identifier: MIT
#include "render/sample_grid.h"

#include <cmath>
#include <limits>

#include "render/display_value.h"

namespace veltrisko {

GridLookupPlan PlanGridLookups(const SceneState& scene) {
  const int step = scene.resolutionStep;
  const GridSize size = GridSizeFor(step);
  GridLookupPlan plan;
  plan.rows = size.rows;
  plan.columns = size.columns;
  for (auto& azimuths : plan.azimuth) azimuths.resize(static_cast<std::size_t>(size.columns));
  for (int j = 0; j < size.columns; ++j) {
    const float phi = static_cast<float>(-180 + j * step) - scene.azimuth;
    plan.azimuth[GridLookupPlan::kPlus180][j] = phi + 180.0f;
    plan.azimuth[GridLookupPlan::kNone][j] = phi;
    plan.azimuth[GridLookupPlan::kMinus180][j] = phi - 180.0f;
  }
  for (int i = 0; i < size.rows; ++i) {
    const float theta = static_cast<float>(-90 + i * step) - scene.elevation;
    // A direction past a pole is looked up on the far side of the main
    // direction; theta of exactly +-90 stays as it is.
    GridLookupPlan::Shift shift = GridLookupPlan::kNone;
    float lookupElevation = theta;
    if (theta < -90.0f) {
      shift = GridLookupPlan::kPlus180;
      lookupElevation = theta + 180.0f;
    } else if (theta > 90.0f) {
      shift = GridLookupPlan::kMinus180;
      lookupElevation = theta - 180.0f;
    }
    plan.rowElevation.push_back(lookupElevation);
    plan.rowShift.push_back(shift);
    plan.usesShift[shift] = true;
  }
  return plan;
}

void SampleSphere(const SceneState& scene, float displayRange, PatternLookup& lookup,
                  std::vector<PatternSample>& samples) {
  const int step = scene.resolutionStep;
  const GridLookupPlan plan = PlanGridLookups(scene);
  std::vector<float> attenuations;
  lookup.FillGrid(plan, attenuations);

  std::vector<double> cosAzimuth(static_cast<std::size_t>(plan.columns));
  std::vector<double> sinAzimuth(static_cast<std::size_t>(plan.columns));
  for (int j = 0; j < plan.columns; ++j) {
    const double az = static_cast<float>(-180 + j * step) * kRadiansPerDegree;
    cosAzimuth[j] = std::cos(az);
    sinAzimuth[j] = std::sin(az);
  }
  samples.resize(attenuations.size());
  // Neighbouring directions often share their attenuation (a side-lobe floor,
  // the back of a diagram); their display value is then taken over.
  float previousAttenuation = std::numeric_limits<float>::quiet_NaN();
  float previousRadius = 0.0f;
  std::size_t k = 0;
  for (int i = 0; i < plan.rows; ++i) {
    // The point keeps its own world direction whichever lookup was taken.
    const double el = static_cast<float>(-90 + i * step) * kRadiansPerDegree;
    const double cosElevation = std::cos(el);
    const double sinElevation = std::sin(el);
    for (int j = 0; j < plan.columns; ++j, ++k) {
      if (!(attenuations[k] == previousAttenuation)) {
        previousAttenuation = attenuations[k];
        previousRadius = DisplayValue(previousAttenuation, displayRange);
      }
      const float r = previousRadius;
      Vector3 p =
          SphericalPointFromTrig(r, cosElevation, sinElevation, cosAzimuth[j], sinAzimuth[j]);
      p.Transform(scene.modelRotation);
      samples[k] = {p.x, p.y, p.z, r};
    }
  }
}

}  // namespace veltrisko
