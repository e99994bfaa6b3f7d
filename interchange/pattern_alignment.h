// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "interchange/pattern_cuts.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

// Where a measured cut has its maximum and how wide its main lobe is.
struct CutShape {
  // The cut angle of the smallest loss, in (-180, 180]: between samples when
  // the samples beside the smallest one say that the maximum lies between
  // them; of equal smallest losses, the one nearest the file's 0.
  double mainAngle = 0.0;
  double peakLoss = 0.0;  // the smallest loss the file gives
  // The angle between the two directions 3 dB below the maximum; none when
  // the cut stays within 3 dB on one side up to 180 degrees off it.
  std::optional<double> beamwidth3Db;
  // The loss 180 degrees off the maximum, relative to the maximum.
  double backLossDb = 0.0;
};

// `points` must be non-empty and checked (CheckRepeatedAngles).
CutShape MeasureCut(const std::vector<CutPoint>& points);

// The losses at whole degrees 0..359 off the cut's maximum, relative to the
// smallest loss (linear between the nearest points around the turn).
CutLosses AlignedLosses(const std::vector<CutPoint>& points, const CutShape& shape);

// A file's cuts as the diagrams draw them and the fit sees them: each
// cut's AlignedLosses (none for a cut the file does not have).
struct AlignedCuts {
  std::optional<CutLosses> horizontal;
  std::optional<CutLosses> vertical;
};
AlignedCuts AlignedCutsOf(const PatternFile& file);

// The measured points themselves, turned so that the maximum lies at 0
// (angles in [0, 360)) and relative to the smallest loss: what the codes are
// fitted to, at the file's own angles.
std::vector<CutPoint> AlignedPoints(const std::vector<CutPoint>& points, const CutShape& shape);

}  // namespace veltrisko
