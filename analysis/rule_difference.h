// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>

#include "model/parsed_antenna_code.h"

namespace veltrisko {

// Both rules at one relative direction.
struct RuleComparison {
  float azimuth = 0.0f;
  float elevation = 0.0f;
  float v6Db = 0.0f;
  float v7Db = 0.0f;
  float differenceDb = 0.0f;  // |v6Db - v7Db|
};

// Throws InvalidAntennaCode.
RuleComparison CompareRules(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                            const ParsedAntennaCode& vertical);

// Where the V6 and V7 rules disagree over the sphere of relative directions
// (azimuth -180..180, elevation -90..90 at `step`).
struct RuleDifferenceSurvey {
  RuleComparison gridLargest;  // the largest difference among the grid points
  RuleComparison largest;      // refined around it to 0.01 degrees
  // Weighted by the solid angle each grid point stands for.
  double meanDb = 0.0;
  double shareAbove1Db = 0.0;
  double shareAbove3Db = 0.0;
  double shareAbove6Db = 0.0;
};

// The finest refinement of the largest difference, in degrees.
inline constexpr float kRefinedResolution = 0.01f;

// Surveys the grid row by row (elevation outer, azimuth inner), handing each
// grid point to `onGridPoint` when given; nothing when a code cannot be
// evaluated. The step must be positive.
std::optional<RuleDifferenceSurvey> SurveyRuleDifference(
    const ParsedAntennaCode& horizontal, const ParsedAntennaCode& vertical, float step,
    const std::function<void(const RuleComparison&)>& onGridPoint = {});

}  // namespace veltrisko
