// SPDX-License-Identifier: MIT
#pragma once

#include "model/parsed_antenna_code.h"

namespace veltrisko {

// Combined attenuation in dB (0 .. 40) of an antenna given by its horizontal
// and vertical codes, in the direction (azimuth, elevation) relative to its
// main direction, by the HCM V6 rule. Evaluates the horizontal code, then the
// vertical one, each once; throws their InvalidAntennaCode.
//
// Beyond the rule as agreed:
// - angles of magnitude up to 1e6 degrees are reduced by whole turns in
//   single precision, one turn at a time; larger finite angles, whose turns
//   could not be counted that way, are reduced with fmod into [0, 360);
// - a non-finite azimuth or elevation gives 40 dB (after both codes have been
//   evaluated, so an invalid code still throws);
// - both reduced angles 0 with different attenuations (only an LA code with
//   a negative half-power angle can cause it) gives the plain mean of the two
//   attenuations, the limit of the weighted mean along azimuth = elevation.
float CombinedAttenuationV6(float azimuth, float elevation, const char* horizontalCode,
                            const char* verticalCode);
float CombinedAttenuationV6(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                            const ParsedAntennaCode& vertical);

// The same by the HCM V7 rule; the caller keeps the result in single precision.
// Throws "invalid horizontal antenna type" / "invalid vertical antenna type"
// for a code that does not scan (horizontal first), otherwise "invalid antenna
// type" from the first sample that evaluates a rejected code (vertical samples
// first). A non-finite azimuth or elevation gives 40 dB after the same
// sampling.
double CombinedAttenuationV7(float azimuth, float elevation, const char* horizontalCode,
                             const char* verticalCode);
double CombinedAttenuationV7(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                             const ParsedAntennaCode& vertical);

}  // namespace veltrisko
