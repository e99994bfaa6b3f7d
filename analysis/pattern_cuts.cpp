// SPDX-License-Identifier: MIT
#include "analysis/pattern_cuts.h"

#include <cmath>
#include <cstdio>
#include <exception>

#include "analysis/direction_readout.h"
#include "model/combination.h"
#include "text/cut_diagram_texts.h"

namespace veltrisko {

std::vector<float> CutAngles(CutKind kind, float step) {
  const float limit = kind == CutKind::kHorizontal ? 180.0f : 90.0f;
  std::vector<float> angles;
  if (!(step > 0.0f)) return angles;
  for (int i = 0;; ++i) {
    const double angle = -limit + static_cast<double>(i) * step;
    if (angle >= limit - 1e-6) break;
    angles.push_back(static_cast<float>(angle));
  }
  angles.push_back(limit);
  return angles;
}

namespace {

// `azimuth` is the vertical cut's relative azimuth.
std::optional<CutCurves> CutAt(CutKind kind, float azimuth, const ParsedAntennaCode& horizontal,
                               const ParsedAntennaCode& vertical, bool useHcmV7, float step) {
  CutCurves curves;
  curves.kind = kind;
  curves.azimuth = kind == CutKind::kVertical ? azimuth : 0.0f;
  curves.angles = CutAngles(kind, step);
  const std::size_t n = curves.angles.size();
  for (auto* curve : {&curves.horizontalGainDb, &curves.verticalGainDb, &curves.v6Db, &curves.v7Db,
                      &curves.differenceDb}) {
    curve->reserve(n);
  }
  try {
    for (const float angle : curves.angles) {
      const RelativeDirection d = kind == CutKind::kHorizontal
                                      ? RelativeDirection{angle, 0.0f}
                                      : RelativeDirection{curves.azimuth, angle};
      const ComponentGains gains = ComponentGainsOf(useHcmV7, d, horizontal, vertical);
      const float v6 = CombinedAttenuationV6(d.azimuth, d.elevation, horizontal, vertical);
      const auto v7 =
          static_cast<float>(CombinedAttenuationV7(d.azimuth, d.elevation, horizontal, vertical));
      curves.horizontalGainDb.push_back(static_cast<float>(gains.horizontalDb));
      curves.verticalGainDb.push_back(static_cast<float>(gains.verticalDb));
      curves.v6Db.push_back(v6);
      curves.v7Db.push_back(v7);
      curves.differenceDb.push_back(std::fabs(v6 - v7));
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return curves;
}

}  // namespace

std::optional<CutCurves> ComputeCut(CutKind kind, const ParsedAntennaCode& horizontal,
                                    const ParsedAntennaCode& vertical, bool useHcmV7, float step) {
  return CutAt(kind, 0.0f, horizontal, vertical, useHcmV7, step);
}

std::optional<CutCurves> ComputeBackVerticalCut(const ParsedAntennaCode& horizontal,
                                                const ParsedAntennaCode& vertical, bool useHcmV7,
                                                float step) {
  return CutAt(CutKind::kVertical, 180.0f, horizontal, vertical, useHcmV7, step);
}

std::string CutCsv(const CutCurves& curves) {
  std::string csv =
      "azimuth,elevation,horizontal_gain_db,vertical_gain_db,v6_attenuation_db,"
      "v7_attenuation_db,difference_db\n";
  char line[256];
  for (std::size_t k = 0; k < curves.angles.size(); ++k) {
    const float azimuth = curves.kind == CutKind::kHorizontal ? curves.angles[k] : curves.azimuth;
    const float elevation = curves.kind == CutKind::kVertical ? curves.angles[k] : 0.0f;
    // Adding 0 turns -0 into 0, as the table does.
    std::snprintf(line, sizeof line, "%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g\n", azimuth, elevation,
                  curves.horizontalGainDb[k] + 0.0f, curves.verticalGainDb[k] + 0.0f,
                  curves.v6Db[k] + 0.0f, curves.v7Db[k] + 0.0f, curves.differenceDb[k] + 0.0f);
    csv += line;
  }
  return csv;
}

std::string_view CutDefinition(CutKind kind, Language language) {
  return In(language, kind == CutKind::kHorizontal ? texts::kHorizontalCutDefinition
                                                   : texts::kVerticalCutDefinition);
}

}  // namespace veltrisko
