// SPDX-License-Identifier: MIT
#include "fit/pair_deviation.h"

#include <algorithm>
#include <cmath>

#include "fit/candidate_score.h"

namespace veltrisko {

PairDeviation CombinedDeviation(const std::string& horizontalCode, const std::string& verticalCode,
                                const CutLosses& horizontal, const CutLosses& vertical,
                                CombinationRule rule) {
  const PatternCuts combined = CombinedCuts(ParsedAntennaCode(horizontalCode.c_str()),
                                            ParsedAntennaCode(verticalCode.c_str()), rule);
  PairDeviation deviation;
  double sumSquares = 0.0;
  for (const auto& [model, measured] :
       {std::pair{&combined.horizontal, &horizontal}, std::pair{&combined.vertical, &vertical}}) {
    for (int a = 0; a < kCutPoints; ++a) {
      const double difference = std::min((*measured)[a], kLossCap) - (*model)[a];
      deviation.maxDeviation = std::max(deviation.maxDeviation, std::fabs(difference));
      sumSquares += difference * difference;
    }
  }
  deviation.rms = std::sqrt(sumSquares / (2 * kCutPoints));
  return deviation;
}

}  // namespace veltrisko
