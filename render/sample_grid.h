// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "render/pattern_geometry.h"
#include "render/pattern_lookup.h"
#include "scene/scene_state.h"

namespace veltrisko {

// One element of the sample grid: the point after the model rotation and its
// display value (the radius before the rotation).
struct PatternSample {
  float x = 0, y = 0, z = 0;
  float value = 0;
  friend bool operator==(const PatternSample&, const PatternSample&) = default;
};

// The relative directions of every grid element for the scene's view angles
// (the step must be valid).
GridLookupPlan PlanGridLookups(const SceneState& scene);

// Samples the whole sphere, element (i, j) at i * columns + j. Throws what
// the lookup throws; `samples` is then left incomplete. When `attenuations`
// is given it receives each element's attenuation in dB.
void SampleSphere(const SceneState& scene, float displayRange, PatternLookup& lookup,
                  std::vector<PatternSample>& samples, std::vector<float>* attenuations = nullptr);

}  // namespace veltrisko
