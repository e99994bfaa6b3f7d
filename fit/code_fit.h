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

// One share of a search's code shapes, so that `count` searches, each with
// its own `index` 0 .. count-1, scan every shape exactly once between them:
// the shapes go out in tasks of a few, and a share takes every count-th task.
struct ShapeShare {
  std::size_t index = 0;
  std::size_t count = 1;
};
// The number of the `shapes` shapes that the share scans.
std::size_t SharedShapes(std::size_t shapes, ShapeShare share);

// What one thread of a search found, not yet merged: the best codes of each
// cut given (horizontal first), and the codes it searched.
struct CodeFitPart {
  std::vector<BestCodes> best;
  std::size_t codes = 0;
};

// Scans the share's shapes, using `threads` threads (0: one per core), for
// the horizontal component's best codes to the horizontal cut and the
// vertical component's to the vertical cut: one part per thread.
std::vector<CodeFitPart> ScanCodes(const std::optional<CutLosses>& horizontal,
                                   const std::optional<CutLosses>& vertical,
                                   const FitSettings& settings, const CodeSpace& space,
                                   FitSearch search, int threads, FitControl* control,
                                   ShapeShare share = {});
// The lists of parts that scanned every shape once between them, merged;
// `horizontal` and `vertical` say which cuts were given.
CodeFit MergeCodes(const std::vector<CodeFitPart>& parts, bool horizontal, bool vertical, int top);

// Fits the horizontal component to the horizontal cut and the vertical
// component to the vertical cut, using `threads` threads (0: one per core):
// the parts of ScanCodes over every shape, merged.
CodeFit FitCodes(const std::optional<CutLosses>& horizontal,
                 const std::optional<CutLosses>& vertical, const FitSettings& settings,
                 const CodeSpace& space, FitSearch search = FitSearch::kFast, int threads = 0,
                 FitControl* control = nullptr);

}  // namespace veltrisko
