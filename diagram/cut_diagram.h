// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/pattern_cuts.h"
#include "diagram/drawing.h"
#include "text/language.h"

namespace veltrisko {

enum class DiagramStyle { kPolar, kCartesian };

// Everything the two 2-D diagrams show: the codes and rule they were computed
// for, both cuts, an imported pattern file's cuts and what is switched on.
struct DiagramInput {
  std::string horizontalCode;
  std::string verticalCode;
  bool useHcmV7 = true;
  // Nothing while a code cannot be evaluated.
  std::optional<CutCurves> horizontal;
  std::optional<CutCurves> vertical;
  // The vertical circle's back half (relative azimuth 180), which the polar
  // plot shows left of the zenith.
  std::optional<CutCurves> verticalBack;
  // A loaded pattern file: its name (empty while none is loaded) and its
  // gains in dB on the angles of the computed cuts, where the file has the cut.
  std::string importedName;
  std::optional<std::vector<float>> importedHorizontal;
  std::optional<std::vector<float>> importedVertical;
  std::optional<std::vector<float>> importedVerticalBack;
  DiagramStyle style = DiagramStyle::kPolar;
  std::array<bool, kDiagramCurveCount> visible{true, true, true, true, true, true};
  // The language of every text on the plots and in the files.
  Language language = kDefaultLanguage;

  const std::optional<CutCurves>& Cut(CutKind kind) const {
    return kind == CutKind::kHorizontal ? horizontal : vertical;
  }
  const std::optional<std::vector<float>>& Imported(CutKind kind) const {
    return kind == CutKind::kHorizontal ? importedHorizontal : importedVertical;
  }
};

// The input for two codes and a rule, both cuts (and the vertical circle's
// back half) computed at 1-degree steps.
DiagramInput ComputeDiagramInput(const std::string& horizontalCode, const std::string& verticalCode,
                                 bool useHcmV7);

// Where the plot of one cut lies within its drawing, for reading the mouse.
struct PlotFrame {
  CutKind kind = CutKind::kHorizontal;
  DiagramStyle style = DiagramStyle::kPolar;
  Point centre;                                             // polar
  double radius = 0.0;                                      // polar: the 0 dB ring
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;  // cartesian
};

struct CutPlot {
  Drawing drawing;
  PlotFrame frame;
};

// One cut's plot in width x height pixels: titles with the codes, the rule
// and the imported file's name, rings or axes with their labels, the curves
// switched on, and the key, laid out with `textWidth` so that no text is cut.
CutPlot DescribeCutPlot(const DiagramInput& input, CutKind kind, double width, double height,
                        const TextWidth& textWidth);

// Both plots side by side, as exported and printed.
Drawing DescribeDiagramPage(const DiagramInput& input, double width, double height,
                            const TextWidth& textWidth);
// The frame, in the page's coordinates, of the page's plot whose half holds
// `point`; nothing off the page.
std::optional<PlotFrame> DiagramPagePlotAt(const DiagramInput& input, double width, double height,
                                           const TextWidth& textWidth, Point point);

// The cut's angle under a point of the plot; nothing off the plot. On the
// polar vertical plot the angle runs on over the zenith and the nadir onto
// the back half: beyond 90 it is 180 - elevation at relative azimuth 180,
// below -90 it is -180 - elevation.
std::optional<double> CutAngleAt(const PlotFrame& frame, Point point);

// Where an angle of the whole vertical circle (-180..180, as CutAngleAt gives
// it) lies: the elevation and whether on the back half.
struct CirclePoint {
  double elevation = 0.0;
  bool back = false;
};
CirclePoint OnVerticalCircle(double angle);

}  // namespace veltrisko
