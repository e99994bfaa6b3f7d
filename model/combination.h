#pragma once

#include "model/parsed_antenna_code.h"

namespace veltrisko {

// Combined attenuation in dB (0 .. 40) of an antenna given by its horizontal
// and vertical codes, in the direction (azimuth, elevation) relative to its
// main direction, by the HCM V6 rule.
float CombinedAttenuationV6(float azimuth, float elevation, const char* horizontalCode,
                            const char* verticalCode);
float CombinedAttenuationV6(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                            const ParsedAntennaCode& vertical);

// The same by the HCM V7 rule; the caller keeps the result in single precision.
double CombinedAttenuationV7(float azimuth, float elevation, const char* horizontalCode,
                             const char* verticalCode);
double CombinedAttenuationV7(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                             const ParsedAntennaCode& vertical);

}  // namespace veltrisko
