// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "fit/candidate_score.h"
#include "fit/code_space.h"

namespace veltrisko {

enum class FitSearch {
  // Each code shape's diagram once, every floor scored from sums, exact
  // scores near the best only.
  kFast,
  // Every code evaluated at every angle through the model: the reference
  // the fast search must equal.
  kExhaustive,
};

// The best codes for each cut given, in rank order (a cut that is not given
// has no list). Both searches give the same lists.
struct CodeFit {
  std::optional<std::vector<RankedCode>> horizontal;
  std::optional<std::vector<RankedCode>> vertical;
  std::size_t codesSearched = 0;  // per component, codes the model rejects left out
};

// Fits the horizontal component to the horizontal cut and the vertical
// component to the vertical cut, using `threads` threads (0: one per core).
CodeFit FitCodes(const std::optional<CutLosses>& horizontal,
                 const std::optional<CutLosses>& vertical, const FitSettings& settings,
                 const CodeSpace& space, FitSearch search = FitSearch::kFast, int threads = 0);

}  // namespace veltrisko
