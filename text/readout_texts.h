// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The readout box beside the cursor and the status line below the picture.

namespace veltrisko::texts {

inline constexpr Text kReadoutAzimuth{"Azimut:", "Azimuth:"};
inline constexpr Text kReadoutElevation{"Elevation:", "Elevation:"};
inline constexpr Text kReadoutRelative{"relativ:", "relative:"};
inline constexpr Text kReadoutHorizontalGain{"Gewinn horizontal:", "horizontal gain:"};
inline constexpr Text kReadoutVerticalGain{"Gewinn vertikal:", "vertical gain:"};
inline constexpr Text kReadoutAttenuation{"Dämpfung", "attenuation"};
inline constexpr Text kReadoutDisplayValue{"Anzeigewert", "display value"};
// The status line's short names.
inline constexpr Text kStatusAzimuth{"Az", "Az"};
inline constexpr Text kStatusElevation{"El", "El"};

inline constexpr std::array kReadoutTexts{
    kReadoutAzimuth,        kReadoutElevation,    kReadoutRelative,
    kReadoutHorizontalGain, kReadoutVerticalGain, kReadoutAttenuation,
    kReadoutDisplayValue,   kStatusAzimuth,       kStatusElevation,
};

}  // namespace veltrisko::texts
