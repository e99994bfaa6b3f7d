// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace veltrisko {

// A colour as red in bits 0-7, green in 8-15, blue in 16-23 (bits 24-31 zero).
using Colour = std::uint32_t;

inline constexpr std::uint8_t RedOf(Colour c) { return c & 0xFF; }
inline constexpr std::uint8_t GreenOf(Colour c) { return (c >> 8) & 0xFF; }
inline constexpr std::uint8_t BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// Maps a display value (0 weakest .. 1 strongest) onto the scale blue, green,
// yellow, red. Values outside 0..1 are clamped; NaN gives the colour of 0.
Colour FalseColourOf(float value);

}  // namespace veltrisko
