// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "interchange/pattern_file.h"

namespace veltrisko {

// An EDX file (".pat"): a first line "'name', gain, kind" (kind 1: values are
// relative field strengths, 2: values in dB), "azimuth, value" lines of the
// horizontal cut ending at a line "999", then optionally "slices, count" and
// for each slice its azimuth and `count` "elevation, value" lines; the slice
// at azimuth 0 (else the first) is the vertical cut. Azimuths run clockwise
// seen from above, elevations are depression angles (positive below the
// horizon), both -180..180 or 0..360. Fields are separated by commas or
// blanks.
PatternReading ParseEdxPattern(std::string_view text);

}  // namespace veltrisko
