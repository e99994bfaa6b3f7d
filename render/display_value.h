// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// The display range of a frame: the dB range in logarithmic display, 0 in
// linear display.
inline float DisplayRange(bool logScale, float dbRange) { return logScale ? dbRange : 0.0f; }

// The radius of a drawn point and the input of the false-colour scale: the
// power ratio in linear display (range 0), otherwise the share of the range,
// never negative and not bounded above.
float DisplayValue(float attenuationDb, float displayRange);

}  // namespace veltrisko
