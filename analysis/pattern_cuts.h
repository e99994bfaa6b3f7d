// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/parsed_antenna_code.h"
#include "text/language.h"

namespace veltrisko {

// The two 2-D diagrams: the horizontal cut runs over relative azimuth
// -180..180 at relative elevation 0, the vertical cut over relative
// elevation -90..90 at relative azimuth 0.
enum class CutKind { kHorizontal, kVertical };

// The angles of a cut at `step` degrees, both ends included even where the
// step does not divide the span (the command-line table's angles).
std::vector<float> CutAngles(CutKind kind, float step);

// The curves of one cut, one value per angle:
//   horizontalGainDb, verticalGainDb  the components' gains (0 .. -40) where
//                                     the rule in force samples them
//   v6Db, v7Db                        the combined attenuation by each rule
//   differenceDb                      |v6Db - v7Db|
struct CutCurves {
  CutKind kind = CutKind::kHorizontal;
  // The vertical cut's relative azimuth: 0 in front, 180 for the back half.
  float azimuth = 0.0f;
  std::vector<float> angles;
  std::vector<float> horizontalGainDb;
  std::vector<float> verticalGainDb;
  std::vector<float> v6Db;
  std::vector<float> v7Db;
  std::vector<float> differenceDb;
};

// Computes a cut; nothing when a code cannot be evaluated on it.
std::optional<CutCurves> ComputeCut(CutKind kind, const ParsedAntennaCode& horizontal,
                                    const ParsedAntennaCode& vertical, bool useHcmV7,
                                    float step = 1.0f);

// The back half of the vertical circle: relative elevation -90..90 at
// relative azimuth 180, so that with the front half it closes the circle.
std::optional<CutCurves> ComputeBackVerticalCut(const ParsedAntennaCode& horizontal,
                                                const ParsedAntennaCode& vertical, bool useHcmV7,
                                                float step = 1.0f);

// The cut as CSV with the command-line table's angle columns and one column
// per curve; the attenuations are the numbers `table --cut` prints.
std::string CutCsv(const CutCurves& curves);

// The cut's definition as written on the plot.
std::string_view CutDefinition(CutKind kind, Language language = kDefaultLanguage);

}  // namespace veltrisko
