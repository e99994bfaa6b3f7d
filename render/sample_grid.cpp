// SPDX-License-Identifier: MIT
#include "render/sample_grid.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "render/display_value.h"

namespace veltrisko {
namespace {

// Directions often share their attenuation (a side-lobe floor, the back of a
// diagram, the mirror image across the main direction): the display values
// of recent attenuations, one per slot by the attenuation's bits, spare most
// repeats of the power. Small enough to live on the stack for one frame.
class RecentDisplayValues {
 public:
  explicit RecentDisplayValues(float displayRange) : displayRange_(displayRange) {
    keys_.fill(kFree);
  }

  float Of(float attenuation) {
    const std::uint32_t key = std::bit_cast<std::uint32_t>(attenuation);
    if (key == kFree) return DisplayValue(attenuation, displayRange_);
    const std::size_t slot = std::uint32_t{key * 0x9E3779B1u} >> (32 - kSlotBits);
    if (keys_[slot] != key) {
      keys_[slot] = key;
      values_[slot] = DisplayValue(attenuation, displayRange_);
    }
    return values_[slot];
  }

 private:
  static constexpr int kSlotBits = 10;
  // A not-a-number pattern that marks a free slot; that attenuation itself
  // is never kept.
  static constexpr std::uint32_t kFree = 0xFFFFFFFFu;

  float displayRange_;
  std::array<std::uint32_t, std::size_t{1} << kSlotBits> keys_;
  std::array<float, std::size_t{1} << kSlotBits> values_;
};

}  // namespace

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
                  std::vector<PatternSample>& samples, std::vector<float>* attenuationsOut) {
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
  RecentDisplayValues displayValues(displayRange);
  std::size_t k = 0;
  for (int i = 0; i < plan.rows; ++i) {
    // The point keeps its own world direction whichever lookup was taken.
    const double el = static_cast<float>(-90 + i * step) * kRadiansPerDegree;
    const double cosElevation = std::cos(el);
    const double sinElevation = std::sin(el);
    for (int j = 0; j < plan.columns; ++j, ++k) {
      const float r = displayValues.Of(attenuations[k]);
      Vector3 p =
          SphericalPointFromTrig(r, cosElevation, sinElevation, cosAzimuth[j], sinAzimuth[j]);
      p.Transform(scene.modelRotation);
      samples[k] = {p.x, p.y, p.z, r};
    }
  }
  if (attenuationsOut != nullptr) *attenuationsOut = std::move(attenuations);
}

}  // namespace veltrisko
