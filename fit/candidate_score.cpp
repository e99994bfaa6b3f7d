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
    score.sumAbsExcess += std::fabs(excess);
    score.sumSquares += excess * excess;
    if (std::fabs(excess) > score.maxDeviation) {
      score.maxDeviation = std::fabs(excess);
      score.worstAngle = a;
      score.worstExcess = excess;
    }
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

bool SameCut(const CodeCut& a, const CodeCut& b) {
  for (int i = 0; i < kCutPoints; ++i) {
    if (!(std::fabs(a[i] - b[i]) <= kEqualCutDb)) return false;
  }
  return true;
}

bool IsFlatCut(const CodeCut& cut) {
  return std::all_of(cut.begin(), cut.end(),
                     [](float attenuation) { return std::fabs(attenuation) <= kEqualCutDb; });
}

void BestCodes::Offer(const std::string& code, const CodeScore& score, FitCriterion criterion,
                      const std::string& reference, const float* attenuations) {
  if (criterion == FitCriterion::kEnvelope && !score.withinEnvelope) return;
  const double key = criterion == FitCriterion::kEnvelope ? score.sumAbsExcess : score.sumSquares;
  criterion_ = criterion;
  if (key > Threshold()) return;
  CodeCut cut;
  std::copy(attenuations, attenuations + kCutPoints, cut.begin());
  Insert({key, CharactersChanged(code, reference), code, score, {code}}, cut);
}

double BestCodes::SameCutSlack(double key) const {
  // Attenuations within d at each angle change the sum of absolute
  // excesses by at most n d, the sum of squares by at most 2 d sqrt(n S) + n d^2.
  constexpr double d = kEqualCutDb;
  constexpr double n = kCutPoints;
  if (criterion_ == FitCriterion::kEnvelope) return n * d * 1.0001;
  return (2.0 * d * std::sqrt(n * std::max(key, 0.0)) + n * d * d) * 1.0001;
}

void BestCodes::Merge(const BestCodes& other) {
  criterion_ = other.criterion_;
  for (std::size_t r = 0; r < other.codes_.size(); ++r) Insert(other.codes_[r], other.cuts_[r]);
  for (const Waiting& waiting : other.waiting_) Insert(waiting.code, waiting.cut);
}

std::optional<BestCodes> BestCodes::Restore(Saved saved) {
  // A result's lead code heads its codes, keys order the list, and a
  // result beyond the count or without its cut cannot be.
  const auto whole = [](const RankedCode& code) {
    return std::isfinite(code.key) && !code.equalCodes.empty() && code.equalCodes[0] == code.code;
  };
  if (saved.count < 1 || saved.codes.size() > static_cast<std::size_t>(saved.count) ||
      saved.codes.size() != saved.cuts.size() ||
      !std::all_of(saved.codes.begin(), saved.codes.end(), whole) ||
      !std::is_sorted(saved.codes.begin(), saved.codes.end(), RanksBefore) ||
      !std::all_of(saved.waiting.begin(), saved.waiting.end(),
                   [&whole](const Waiting& w) { return whole(w.code); })) {
    return std::nullopt;
  }
  BestCodes best(saved.count);
  best.criterion_ = saved.criterion;
  best.codes_ = std::move(saved.codes);
  best.cuts_ = std::move(saved.cuts);
  best.waiting_ = std::move(saved.waiting);
  return best;
}

void BestCodes::Wait(RankedCode ranked, const CodeCut& cut) {
  if (ranked.key > Threshold()) return;
  waiting_.push_back({std::move(ranked), cut});
  // Keep only what may still join a result.
  if (waiting_.size() > 64 + 8 * static_cast<std::size_t>(count_)) {
    const double threshold = Threshold();
    std::erase_if(waiting_, [threshold](const Waiting& w) { return w.code.key > threshold; });
  }
}

void BestCodes::Finish() {
  std::vector<Waiting> waiting = std::move(waiting_);
  waiting_.clear();
  for (Waiting& w : waiting) {
    for (std::size_t r = 0; r < codes_.size(); ++r) {
      if (SameCut(cuts_[r], w.cut)) {
        Insert(std::move(w.code), w.cut);
        break;
      }
    }
  }
  waiting_.clear();
}

namespace {

// The lead code first, the others once each in code order.
std::vector<std::string> Arranged(std::vector<std::string> codes, const std::string& lead) {
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  codes.erase(std::find(codes.begin(), codes.end(), lead));
  codes.insert(codes.begin(), lead);
  return codes;
}

}  // namespace

void BestCodes::Insert(RankedCode ranked, const CodeCut& cut) {
  for (std::size_t r = 0; r < codes_.size(); ++r) {
    if (!SameCut(cuts_[r], cut)) continue;
    RankedCode& result = codes_[r];
    std::vector<std::string> members = result.equalCodes;
    members.insert(members.end(), ranked.equalCodes.begin(), ranked.equalCodes.end());
    if (!RanksBefore(ranked, result)) {
      result.equalCodes = Arranged(std::move(members), result.code);
      return;
    }
    // The new code leads its result, which may move up.
    ranked.equalCodes = Arranged(std::move(members), ranked.code);
    codes_.erase(codes_.begin() + static_cast<std::ptrdiff_t>(r));
    cuts_.erase(cuts_.begin() + static_cast<std::ptrdiff_t>(r));
    break;
  }
  const auto at = std::upper_bound(codes_.begin(), codes_.end(), ranked, RanksBefore);
  if (at - codes_.begin() >= count_) {
    Wait(std::move(ranked), cut);
    return;
  }
  cuts_.insert(cuts_.begin() + (at - codes_.begin()), cut);
  codes_.insert(at, std::move(ranked));
  if (static_cast<int>(codes_.size()) > count_) {
    RankedCode last = std::move(codes_.back());
    const CodeCut lastCut = cuts_.back();
    codes_.pop_back();
    cuts_.pop_back();
    Wait(std::move(last), lastCut);
  }
}

}  // namespace veltrisko
