// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
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

// Lets another thread follow a fit and stop it: the search counts the code
// shapes it has scanned and ends early, with incomplete lists, once `cancel`
// is set. Whoever runs the search adds the shapes it plans to scan.
struct FitControl {
  std::atomic<bool> cancel{false};
  std::atomic<std::size_t> shapesDone{0};
  std::atomic<std::size_t> shapesPlanned{0};
  // Called on a searching thread each time shapes are counted as done, for
  // a caller that cannot watch from another thread; with several threads it
  // must be safe to call from each.
  std::function<void()> progressed;

  // 0 before the first shape, 1 once every planned shape is scanned.
  double Progress() const;
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
                 const CodeSpace& space, FitSearch search = FitSearch::kFast, int threads = 0,
                 FitControl* control = nullptr);

}  // namespace veltrisko
