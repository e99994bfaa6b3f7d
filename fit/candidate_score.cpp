// SPDX-License-Identifier: MIT
#include "fit/candidate_score.h"

#include <algorithm>
#include <cmath>

namespace veltrisko {

ScoringCut PrepareScoringCut(const CutLosses& measured, double toleranceDb) {
  ScoringCut cut;
  for (int a = 0; a < kCutPoints; ++a) {
    cut.loss[a] = std::min(measured[a], kLossCap);
    cut.lossPlusTolerance[a] = cut.loss[a] + toleranceDb;
  }
  return cut;
}

CodeScore ScoreAttenuations(const float* attenuations, const ScoringCut& cut) {
  CodeScore score;
  for (int a = 0; a < kCutPoints; ++a) {
    const double attenuation = attenuations[a];
    const double excess = cut.loss[a] - attenuation;
    score.sumExcess += excess;
    score.sumSquares += excess * excess;
    score.maxDeviation = std::max(score.maxDeviation, std::fabs(excess));
    if (!(attenuation <= cut.lossPlusTolerance[a])) score.withinEnvelope = false;
  }
  return score;
}

double RankedCode::MeanExcess() const { return score.sumExcess / kCutPoints; }

double RankedCode::Rms() const { return std::sqrt(score.sumSquares / kCutPoints); }

bool RanksBefore(const RankedCode& a, const RankedCode& b) {
  if (a.key != b.key) return a.key < b.key;
  if (a.changed != b.changed) return a.changed < b.changed;
  return a.code < b.code;
}

int CharactersChanged(const std::string& code, const std::string& reference) {
  if (reference.empty()) return 0;
  const std::size_t common = std::min(code.size(), reference.size());
  int changed = static_cast<int>(std::max(code.size(), reference.size()) - common);
  for (std::size_t i = 0; i < common; ++i) changed += code[i] != reference[i];
  return changed;
}

void BestCodes::Offer(const std::string& code, const CodeScore& score, FitCriterion criterion,
                      const std::string& reference) {
  if (criterion == FitCriterion::kEnvelope && !score.withinEnvelope) return;
  const double key = criterion == FitCriterion::kEnvelope ? score.sumExcess : score.sumSquares;
  if (key > Threshold()) return;
  Insert({key, CharactersChanged(code, reference), code, score});
}

void BestCodes::Merge(const BestCodes& other) {
  for (const RankedCode& ranked : other.codes_) Insert(ranked);
}

void BestCodes::Insert(RankedCode ranked) {
  const auto at = std::upper_bound(codes_.begin(), codes_.end(), ranked, RanksBefore);
  if (at - codes_.begin() >= count_) return;
  codes_.insert(at, std::move(ranked));
  if (static_cast<int>(codes_.size()) > count_) codes_.pop_back();
}

}  // namespace veltrisko
