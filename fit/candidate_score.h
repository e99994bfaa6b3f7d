// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

enum class FitCriterion {
  // The code's attenuation never exceeds the measured loss plus the
  // tolerance; among those, the smallest mean excess.
  kEnvelope,
  // The smallest root-mean-square difference.
  kRms,
};

struct FitSettings {
  FitCriterion criterion = FitCriterion::kEnvelope;
  double toleranceDb = 0.0;
  int top = 5;
  // The codes in force; equal scores rank the code with fewer characters
  // changed from them first, then by code text.
  std::string horizontalReference;
  std::string verticalReference;
};

// Measured losses above the components' floor count as the floor.
inline constexpr double kLossCap = 40.0;

struct ScoringCut {
  std::array<double, kCutPoints> loss{};
  std::array<double, kCutPoints> lossPlusTolerance{};
};
ScoringCut PrepareScoringCut(const CutLosses& measured, double toleranceDb);

// A code's deviation from a cut, summed over the angles 0..359 in that
// order: the one definition of a score, shared by every search.
struct CodeScore {
  bool withinEnvelope = true;
  double sumExcess = 0.0;   // measured minus code attenuation
  double sumSquares = 0.0;  // of the same differences
  double maxDeviation = 0.0;
};
CodeScore ScoreAttenuations(const float* attenuations, const ScoringCut& cut);

struct RankedCode {
  double key = 0.0;  // the sum the criterion minimises
  int changed = 0;   // characters changed from the reference code
  std::string code;
  CodeScore score;

  double MeanExcess() const;
  double Rms() const;
};

// The tie order: smaller key, then fewer characters changed, then code text.
bool RanksBefore(const RankedCode& a, const RankedCode& b);
int CharactersChanged(const std::string& code, const std::string& reference);

// The best `count` codes offered so far, in rank order.
class BestCodes {
 public:
  explicit BestCodes(int count) : count_(count < 1 ? 1 : count) {}

  // No code with a larger key can enter any more.
  double Threshold() const {
    return static_cast<int>(codes_.size()) < count_ ? std::numeric_limits<double>::infinity()
                                                    : codes_.back().key;
  }
  // Offers a scored code under the settings' criterion and reference.
  void Offer(const std::string& code, const CodeScore& score, FitCriterion criterion,
             const std::string& reference);
  void Merge(const BestCodes& other);
  const std::vector<RankedCode>& Codes() const { return codes_; }

 private:
  void Insert(RankedCode ranked);

  int count_;
  std::vector<RankedCode> codes_;
};

}  // namespace veltrisko
