// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "diagram/cut_diagram.h"

namespace veltrisko {

// The exported page's size in pixels, the same in both viewers, so that both
// write the same SVG for the same state.
inline constexpr double kDiagramPageWidth = 1200.0;
inline constexpr double kDiagramPageHeight = 640.0;

// A drawing as an SVG document; numbers with two decimals, independent of
// the locale. `title` goes into its <title>.
std::string DrawingSvg(const Drawing& drawing, const std::string& title);

// The exported page of both plots as SVG, its text laid out with
// EstimatedTextWidth.
std::string DiagramSvg(const DiagramInput& input);

// One cut's values as CSV: a comment line naming the codes, the rule and the
// imported file, the columns of the command-line table and, with a file
// loaded, its gain at each angle. Empty while the cut cannot be computed.
std::string DiagramCsv(const DiagramInput& input, CutKind kind);

}  // namespace veltrisko
