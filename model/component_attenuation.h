#pragma once

namespace veltrisko {

// Relative field (linear = true, in [0.01, 1]) or gain in dB (linear = false,
// -40 .. 0) of one antenna component, given by its seven-character code, at
// `angle` degrees off its main axis. Reads the code text anew on every call;
// throws InvalidAntennaCode("invalid antenna type") for a rejected code.
double ComponentAttenuation(const char* code, float angle, bool linear);

}  // namespace veltrisko
