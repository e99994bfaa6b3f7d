// SPDX-License-Identifier: MIT
#include "app/logic/readout_view.h"

#include <cstdlib>

namespace veltrisko {

FrameOptions FrameOptionsOf(const AnalysisViewState& state) {
  return FrameOptions{.differenceColouring = state.differenceView, .markedDirection = state.pinned};
}

bool IsClick(int dx, int dy) { return std::abs(dx) + std::abs(dy) <= kClickSlack; }

std::string CopiedReadoutText(const std::string& readoutText, const char* horizontalCode,
                              const char* verticalCode, bool useHcmV7) {
  if (readoutText.empty()) return readoutText;
  const std::string lines = readoutText.back() == '\n' ? readoutText : readoutText + "\n";
  // The same words in both languages, as the legend writes them.
  return lines + "Codes: " + (horizontalCode ? horizontalCode : "") + " / " +
         (verticalCode ? verticalCode : "") + ", HCM V" + (useHcmV7 ? "7" : "6") + "\n";
}

}  // namespace veltrisko
