// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// Degrees at every interface; these convert inside formulas.
inline constexpr double kRadiansPerDegree = 0.017453292519943295;
inline constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace veltrisko
