// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The main window's title and the two legends over the picture.

namespace veltrisko::texts {

inline constexpr Text kMainWindowTitle{"Veltrisko   HCM-Antennendiagramme",
                                       "Veltrisko   HCM antenna patterns"};
inline constexpr Text kKeyHorizontalDiagram{"horizontale Richtcharakteristik",
                                            "horizontal pattern"};
inline constexpr Text kKeyVerticalDiagram{"vertikale Richtcharakteristik", "vertical pattern"};
inline constexpr Text kKeyHorizontalCut{"RC parallel zum Boden", "pattern parallel to the ground"};
inline constexpr Text kKeySurface{"3D-Richtcharakteristik", "3-D pattern"};
inline constexpr Text kKeyGrid{"3D-Richtcharakteristik (Gitter)", "3-D pattern (grid)"};
inline constexpr Text kAzimuth{"Azimut:", "Azimuth:"};
inline constexpr Text kElevation{"Elevation:", "Elevation:"};
inline constexpr Text kTilt{"Kippung:", "Tilt:"};
inline constexpr Text kHorizontalShort{"hor.:", "hor.:"};
inline constexpr Text kVerticalShort{"vert.:", "vert.:"};
inline constexpr Text kLegendLogarithmic{"logarithmisch", "logarithmic"};
inline constexpr Text kLegendLinear{"linear", "linear"};
inline constexpr Text kDifferenceMax{"Unterschied V6/V7, max", "Difference V6/V7, max"};
inline constexpr Text kFile{"Datei:", "File:"};

inline constexpr std::array kLegendTexts{
    kMainWindowTitle,
    kKeyHorizontalDiagram,
    kKeyVerticalDiagram,
    kKeyHorizontalCut,
    kKeySurface,
    kKeyGrid,
    kAzimuth,
    kElevation,
    kTilt,
    kHorizontalShort,
    kVerticalShort,
    kLegendLogarithmic,
    kLegendLinear,
    kDifferenceMax,
    kFile,
};

}  // namespace veltrisko::texts
