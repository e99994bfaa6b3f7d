// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fit/candidate_score.h"
#include "fit/code_fit.h"
#include "fit/pair_deviation.h"
#include "interchange/pattern_alignment.h"
#include "interchange/pattern_file.h"
#include "text/language.h"

namespace veltrisko {

// How to fit the codes to a pattern file.
struct PatternFitRequest {
  FitCriterion criterion = FitCriterion::kEnvelope;
  // None: half a unit of the file's last written decimal.
  std::optional<double> toleranceDb;
  int top = 5;
  // Each cut turned to its own maximum and normalised to 0 dB there; off,
  // the file's 0 is the main direction and its losses are taken as they are.
  bool align = true;
  FitSearch search = FitSearch::kFast;
  std::string horizontalReference;
  std::string verticalReference;
  // Also find each cut's best code under the other criterion (a second
  // search), so that both can be shown side by side.
  bool compareCriteria = false;
};

struct CutFit {
  CutShape shape;                   // from the file's values
  CutLosses fitted;                 // what the codes were fitted to, 0..359
  std::vector<RankedCode> results;  // best first
  // Under the envelope only non-directional codes stay within it although
  // the cut has a main lobe: `results` holds the best codes by RMS instead.
  bool noDirectionalCode = false;
  // With PatternFitRequest::compareCriteria: the best code under each
  // criterion; none within the envelope leaves `bestEnvelope` empty.
  std::optional<RankedCode> bestEnvelope;
  std::optional<RankedCode> bestRms;
};

struct PairCheck {
  std::string horizontal;
  std::string vertical;
  PairDeviation v6;
  PairDeviation v7;
};

struct PatternFit {
  FitCriterion criterion = FitCriterion::kEnvelope;
  double toleranceDb = 0.0;
  bool aligned = true;
  std::optional<CutFit> horizontal;
  std::optional<CutFit> vertical;
  std::size_t codesSearched = 0;
  // The first code of each cut's best result, combined, against both cuts.
  std::optional<PairCheck> bestPair;

  // The azimuth of the horizontal cut's maximum off the file's 0.
  std::optional<double> HorizontalMainDirection() const;
  // The elevation of the vertical cut's maximum, negative below the horizon.
  std::optional<double> VerticalMainElevation() const;
  std::optional<double> HorizontalBeamwidth() const;
  std::optional<double> VerticalBeamwidth() const;
  // The maximum over the loss 180 degrees behind it: in the horizontal cut,
  // else in the vertical one.
  std::optional<double> FrontToBack() const;
};

// The searches of a fit, in the order it runs them: the best codes under the
// request's criterion; with compareCriteria the best under the other; under
// the envelope, for a cut with a main lobe that only non-directional codes
// stay within, the best by RMS instead.
enum class FitStage { kMain, kOtherCriterion, kRmsInstead };
inline constexpr int kFitStages = 3;

// Runs one stage's search over the cuts given; none when its codes cannot be
// had (yet).
using StageSearch = std::function<std::optional<CodeFit>(
    FitStage stage, const std::optional<CutLosses>& horizontal,
    const std::optional<CutLosses>& vertical, const FitSettings& settings)>;

// A fit whose searches `search` runs, stage by stage; none as soon as one
// gives none.
std::optional<PatternFit> FitPatternBy(const PatternFile& file, const PatternFitRequest& request,
                                       const StageSearch& search);

// The shapes to add to the planned ones when `stage` starts, of `shapes`
// scanned by each search.
std::size_t PlannedShapes(FitStage stage, const PatternFitRequest& request, std::size_t shapes);

// `control`, if given, follows the search and may stop it early; then the
// lists are incomplete and meant to be dropped.
PatternFit FitPattern(const PatternFile& file, const PatternFitRequest& request,
                      const CodeSpace& space, int threads = 0, FitControl* control = nullptr);

// One result as the viewer lists it: its code, or for several codes the
// first and last in code order and their number ("075KA00 … 075KA19, 20 Codes").
std::string EqualCodesText(const RankedCode& result, Language language = kDefaultLanguage);

// The fit dialog's lines about the measured pattern: main direction, 3-dB
// beamwidths, front-to-back ratio and the tolerance used.
std::vector<std::string> FitInfoLines(const PatternFit& fit, Language language = kDefaultLanguage);

}  // namespace veltrisko
