// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "interchange/pattern_file.h"

namespace veltrisko {

// Values of one cut in a Radio Mobile file.
inline constexpr int kRadioMobileValues = 360;

// One value as Radio Mobile files write it: a decimal number, also with a
// decimal comma ("-6,3").
std::optional<double> ParseRadioMobileValue(std::string_view text);

// A Radio Mobile antenna file: one gain in dB a line, 360 of the horizontal
// cut (azimuth 0..359, clockwise seen from above) and, when given, 360 of the
// vertical cut from straight up (+90) over the horizon in front (0), straight
// down (-90) and the horizon behind (-180) to +91. Blank lines are skipped.
PatternReading ParseRadioMobilePattern(std::string_view text);

}  // namespace veltrisko
