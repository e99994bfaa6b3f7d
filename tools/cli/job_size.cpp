// SPDX-License-Identifier: MIT
#include "tools/cli/job_size.h"

#include <cmath>

namespace veltrisko::tool {
namespace {

// The average row of a whole-sphere table, "-123.45,-67.89,12.3456789,0.123456789\n".
constexpr std::uint64_t kBytesPerTableRow = 32;

std::string WithSeparators(std::uint64_t number) {
  std::string digits = std::to_string(number);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), 1, ',');
  return digits;
}

std::string Bytes(std::uint64_t bytes) {
  const char* units[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
  double amount = static_cast<double>(bytes);
  int unit = 0;
  while (amount >= 1024.0 && unit < 4) {
    amount /= 1024.0;
    ++unit;
  }
  return std::to_string(static_cast<std::uint64_t>(std::llround(amount))) + " " + units[unit];
}

// Angles from -limit to +limit at the step, both ends included (as the table
// writes them: the last one is +limit even where the step does not divide).
std::uint64_t AnglesAcross(double limit, double step) {
  return static_cast<std::uint64_t>(std::ceil(2.0 * limit / step - 1e-6)) + 1;
}

}  // namespace

std::uint64_t TableRows(float step, bool allAzimuths, bool allElevations) {
  const std::uint64_t azimuths = allAzimuths ? AnglesAcross(180.0, step) : 1;
  const std::uint64_t elevations = allElevations ? AnglesAcross(90.0, step) : 1;
  return azimuths * elevations;
}

std::optional<std::string> TableSizeRefusal(std::uint64_t rows, bool force) {
  if (force || rows <= kMaxTableRows) return std::nullopt;
  return "table: " + WithSeparators(rows) + " rows (about " + Bytes(rows * kBytesPerTableRow) +
         ") are more than " + WithSeparators(kMaxTableRows) + "; give --force to write them anyway";
}

std::optional<std::string> RenderSizeRefusal(int width, int height, bool force) {
  const std::uint64_t bytes =
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * kRenderBytesPerPixel;
  if (force || bytes <= kMaxPixelBytes) return std::nullopt;
  return "render: " + std::to_string(width) + "x" + std::to_string(height) + " needs about " +
         Bytes(bytes) + " of memory, more than " + Bytes(kMaxPixelBytes) +
         "; give --force to draw it anyway";
}

}  // namespace veltrisko::tool
