// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fit/code_fit.h"
#include "fit/pattern_fit.h"

namespace veltrisko {

// What one share of one stage of a fit found, for the worker that merges
// the shares: the stage, the share, its search's time and its codes.
struct FitPart {
  FitStage stage = FitStage::kMain;
  ShapeShare share;
  double seconds = 0.0;
  CodeFitPart found;
};

// The part as plain text (numbers exactly, floating point in hexadecimal),
// and read back; none for text that is not a part.
std::string FitPartText(const FitPart& part);
std::optional<FitPart> FitPartFromText(std::string_view text);

}  // namespace veltrisko
