// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

enum class FitCriterion {
  // The code's attenuation never exceeds the measured loss plus the
  // tolerance; among those, the closest to the measurement (the smallest
  // sum of absolute differences), so that a code attenuating up to the
  // tolerance more than measured does not pass an exact one.
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
  double sumExcess = 0.0;     // measured minus code attenuation
  double sumAbsExcess = 0.0;  // of the same differences' magnitudes
  double sumSquares = 0.0;    // of the same differences
  double maxDeviation = 0.0;
  int worstAngle = 0;        // the first angle of the largest deviation
  double worstExcess = 0.0;  // the difference there, measured minus code
};
CodeScore ScoreAttenuations(const float* attenuations, const ScoringCut& cut);

// Codes whose attenuations agree within this at every whole degree are one
// result: the same cut.
inline constexpr float kEqualCutDb = 0.005f;

// One result: the best of its codes, and every code that gives the same cut.
struct RankedCode {
  double key = 0.0;  // the sum the criterion minimises
  int changed = 0;   // characters changed from the reference code
  std::string code;
  CodeScore score;
  // All codes of the result: `code` first, the others in code order.
  std::vector<std::string> equalCodes;

  double MeanExcess() const;
  double Rms() const;
};

// The tie order: smaller key, then fewer characters changed, then code text.
bool RanksBefore(const RankedCode& a, const RankedCode& b);
int CharactersChanged(const std::string& code, const std::string& reference);

using CodeCut = std::array<float, kCutPoints>;

// True when the two cuts agree within kEqualCutDb at every angle.
bool SameCut(const CodeCut& a, const CodeCut& b);

// True when a code's cut stays within kEqualCutDb of 0 dB: non-directional.
bool IsFlatCut(const CodeCut& cut);

// The best `count` results offered so far, in rank order; a code whose cut
// equals a result's joins that result.
class BestCodes {
 public:
  explicit BestCodes(int count) : count_(count < 1 ? 1 : count) {}

  // No code with a larger key can enter any more, nor join a result: the
  // last result's key and what a code of the same cut may score more.
  double Threshold() const {
    return static_cast<int>(codes_.size()) < count_
               ? std::numeric_limits<double>::infinity()
               : codes_.back().key + SameCutSlack(codes_.back().key);
  }
  // Offers a scored code, its attenuations at 0..359, under the settings'
  // criterion and reference.
  void Offer(const std::string& code, const CodeScore& score, FitCriterion criterion,
             const std::string& reference, const float* attenuations);
  void Merge(const BestCodes& other);
  // Gives the results the codes of their cut that were offered before the
  // result was: call once all codes are offered and merged.
  void Finish();
  const std::vector<RankedCode>& Codes() const { return codes_; }
  // The cut of each result, in the order of Codes().
  const std::vector<CodeCut>& Cuts() const { return cuts_; }

  // Everything a merge takes from the codes offered so far, so that another
  // process can merge them; Restore gives none for a state no list holds.
  struct Waiting {
    RankedCode code;
    CodeCut cut;
  };
  struct Saved {
    int count = 1;
    FitCriterion criterion = FitCriterion::kEnvelope;
    std::vector<RankedCode> codes;
    std::vector<CodeCut> cuts;
    std::vector<Waiting> waiting;
  };
  Saved Save() const { return {count_, criterion_, codes_, cuts_, waiting_}; }
  static std::optional<BestCodes> Restore(Saved saved);

 private:
  double SameCutSlack(double key) const;
  void Insert(RankedCode ranked, const CodeCut& cut);
  void Wait(RankedCode ranked, const CodeCut& cut);

  int count_;
  FitCriterion criterion_ = FitCriterion::kEnvelope;
  std::vector<RankedCode> codes_;
  std::vector<CodeCut> cuts_;
  // Codes that ranked after the results when offered but may share the cut
  // of a result that enters later; so the results do not depend on the
  // order in which codes are offered.
  std::vector<Waiting> waiting_;
};

}  // namespace veltrisko
