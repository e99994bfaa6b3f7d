// SPDX-License-Identifier: MIT
#include "analysis/rule_difference.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "analysis/pattern_cuts.h"
#include "model/combination.h"
#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {

RuleComparison CompareRules(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                            const ParsedAntennaCode& vertical) {
  RuleComparison c;
  c.azimuth = azimuth;
  c.elevation = elevation;
  c.v6Db = CombinedAttenuationV6(azimuth, elevation, horizontal, vertical);
  c.v7Db = static_cast<float>(CombinedAttenuationV7(azimuth, elevation, horizontal, vertical));
  c.differenceDb = std::fabs(c.v6Db - c.v7Db);
  return c;
}

namespace {

// Each azimuth stands for the half-way span to its neighbours; +180 repeats
// -180 and stands for nothing.
std::vector<double> AzimuthWeights(const std::vector<float>& a) {
  std::vector<double> w(a.size(), 0.0);
  const std::size_t n = a.back() - a.front() >= 360.0f ? a.size() - 1 : a.size();
  for (std::size_t k = 0; k < n; ++k) {
    const double before = k == 0 ? a[n - 1] - 360.0 : a[k - 1];
    const double after = k + 1 == n ? a[0] + 360.0 : a[k + 1];
    w[k] = (after - before) * 0.5;
  }
  return w;
}

// Each elevation stands for the band between the half-way elevations to its
// neighbours; a band's area goes with the difference of the sines.
std::vector<double> ElevationWeights(const std::vector<float>& e) {
  std::vector<double> w(e.size(), 0.0);
  for (std::size_t k = 0; k < e.size(); ++k) {
    const double low = k == 0 ? -90.0 : (double{e[k - 1]} + e[k]) * 0.5;
    const double high = k + 1 == e.size() ? 90.0 : (double{e[k]} + e[k + 1]) * 0.5;
    w[k] = RoundedSin(high * kRadiansPerDegree) - RoundedSin(low * kRadiansPerDegree);
  }
  return w;
}

float OnHundredths(double angle) { return static_cast<float>(std::round(angle * 100.0) / 100.0); }

// Searches ever finer windows around the best point until the angles are
// resolved to hundredths of a degree.
RuleComparison Refine(RuleComparison best, float step, const ParsedAntennaCode& horizontal,
                      const ParsedAntennaCode& vertical) {
  double resolution = step;
  while (resolution > kRefinedResolution * 1.0001) {
    const double finer = std::max(resolution / 10.0, double{kRefinedResolution});
    const int reach = static_cast<int>(std::ceil(resolution / finer));
    const RuleComparison centre = best;
    for (int i = -reach; i <= reach; ++i) {
      const float elevation = OnHundredths(centre.elevation + i * finer);
      if (elevation < -90.0f || elevation > 90.0f) continue;
      for (int j = -reach; j <= reach; ++j) {
        double azimuth = centre.azimuth + j * finer;
        if (azimuth > 180.0) azimuth -= 360.0;
        if (azimuth < -180.0) azimuth += 360.0;
        const RuleComparison c =
            CompareRules(OnHundredths(azimuth), elevation, horizontal, vertical);
        if (c.differenceDb > best.differenceDb) best = c;
      }
    }
    resolution = finer;
  }
  return best;
}

}  // namespace

std::optional<RuleDifferenceSurvey> SurveyRuleDifference(
    const ParsedAntennaCode& horizontal, const ParsedAntennaCode& vertical, float step,
    const std::function<void(const RuleComparison&)>& onGridPoint) {
  if (!(step > 0.0f)) return std::nullopt;
  const std::vector<float> azimuths = CutAngles(CutKind::kHorizontal, step);
  const std::vector<float> elevations = CutAngles(CutKind::kVertical, step);
  const std::vector<double> azimuthWeight = AzimuthWeights(azimuths);
  const std::vector<double> elevationWeight = ElevationWeights(elevations);
  RuleDifferenceSurvey survey;
  double total = 0.0, sum = 0.0, above1 = 0.0, above3 = 0.0, above6 = 0.0;
  bool first = true;
  try {
    for (std::size_t i = 0; i < elevations.size(); ++i) {
      for (std::size_t j = 0; j < azimuths.size(); ++j) {
        const RuleComparison c = CompareRules(azimuths[j], elevations[i], horizontal, vertical);
        if (onGridPoint) onGridPoint(c);
        if (first || c.differenceDb > survey.gridLargest.differenceDb) survey.gridLargest = c;
        first = false;
        const double w = azimuthWeight[j] * elevationWeight[i];
        total += w;
        sum += w * c.differenceDb;
        if (c.differenceDb > 1.0f) above1 += w;
        if (c.differenceDb > 3.0f) above3 += w;
        if (c.differenceDb > 6.0f) above6 += w;
      }
    }
    survey.largest = Refine(survey.gridLargest, step, horizontal, vertical);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  survey.meanDb = sum / total;
  survey.shareAbove1Db = above1 / total;
  survey.shareAbove3Db = above3 / total;
  survey.shareAbove6Db = above6 / total;
  return survey;
}

}  // namespace veltrisko
