// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// Relative field (linear = true, in [0.01, 1]) or gain in dB (linear = false,
// -40 .. 0) of one antenna component, given by its seven-character code, at
// `angle` degrees off its main axis. Reads the code text anew on every call;
// throws InvalidAntennaCode("invalid antenna type") for a rejected code.
//
// Inputs outside the agreed ones have defined results:
// - a non-finite angle (NaN, +-inf) gives no exception for an accepted code:
//   the directional families give their side-lobe floor (TA at least 0.01,
//   W its back side-lobe floor), ND and XX give 1;
// - a leading number read as "nan" (e.g. "nanEA10") passes every range check
//   and gives the side-lobe floor at every angle (TA: 1 on the axis itself;
//   ND and XX ignore the number);
// - a null pointer reads as the empty text and is rejected.
double ComponentAttenuation(const char* code, float angle, bool linear);

}  // namespace veltrisko
