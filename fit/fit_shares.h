// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fit/code_fit.h"
#include "fit/fit_session.h"

namespace veltrisko {

// A fit searched by several workers that share no memory (the page's Web
// Workers), in rounds: in each, every worker scans its share of the shapes
// of the first stage not yet complete and answers its part as text
// (fit/fit_part_text.h); the parts of every stage merged give exactly the
// outcome of FitOnThisThread.

// The workers for a machine of `cores` cores: one per core, at most four.
inline constexpr int kMostFitShares = 4;
int FitShareCount(int cores);

// Scans share `share` of the first stage the texts `parts` do not complete
// and gives its part; `progressed` hears the share's own shapes done and
// planned over the whole fit, at the start and each time its whole percent
// grows. Empty when the parts complete the fit.
std::string RunFitShare(
    const PatternFile& file, const PatternFitRequest& request, const CodeSpace& space,
    ShapeShare share, const std::vector<std::string>& parts,
    const std::function<void(std::size_t done, std::size_t planned)>& progressed);

struct MergedFit {
  // Once every stage the fit runs is complete; its seconds the sum of each
  // stage's slowest share.
  std::optional<FitOutcome> outcome;
  // A part that is no part: the fit cannot end.
  bool broken = false;
};
MergedFit MergeFitShares(const PatternFile& file, const PatternFitRequest& request,
                         const std::vector<std::string>& parts);

// The shares' progress together, told as FitOnThisThread tells its own: once
// every share has reported, each time it passes a whole percent it had not
// reached before.
class FitSharesProgress {
 public:
  explicit FitSharesProgress(std::size_t shares) : reports_(shares) {}
  std::optional<double> Report(std::size_t share, std::size_t done, std::size_t planned);

 private:
  struct ShareReport {
    bool reported = false;
    std::size_t done = 0;
    std::size_t planned = 0;
  };
  std::vector<ShareReport> reports_;
  int told_ = -1;
};

}  // namespace veltrisko
