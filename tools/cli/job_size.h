// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace veltrisko::tool {

// Jobs the options allow but nobody starts by accident: above these sizes a
// command refuses unless --force is given.
inline constexpr std::uint64_t kMaxTableRows = 10'000'000;
inline constexpr std::uint64_t kMaxPixelBytes = 256ull << 20;
// What the headless render holds per pixel at its peak (colour and depth
// buffers, the read-back picture and libpng's rows; measured 14.2).
inline constexpr std::uint64_t kRenderBytesPerPixel = 14;

// Rows of a table from -180 to 180 (or one azimuth) and -90 to 90 (or one
// elevation) at `step`, both ends included.
std::uint64_t TableRows(float step, bool allAzimuths, bool allElevations);

// Nothing when the job fits or `force` is set; otherwise the message that
// gives the estimate and names --force, e.g. "table: 648,108,004 rows (about
// 19 GiB) are more than 10,000,000; give --force to write them anyway".
std::optional<std::string> TableSizeRefusal(std::uint64_t rows, bool force);
std::optional<std::string> RenderSizeRefusal(int width, int height, bool force);

}  // namespace veltrisko::tool
