// SPDX-License-Identifier: MIT
// Arbitrary bytes through the MSI Planet and CSV readers (the first byte
// chooses the format). Aborts when a reading succeeds with a value outside
// the accepted ranges, when a refusal does not name its line, or when the
// 1-degree grid leaves the range of the values read.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "interchange/pattern_file.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "pattern_file_fuzz: %s\n", what);
    std::abort();
  }
}

void CheckCut(const std::vector<veltrisko::CutPoint>& points) {
  Require(!points.empty(), "empty cut accepted");
  double lowest = points.front().loss;
  double highest = lowest;
  for (const veltrisko::CutPoint& point : points) {
    Require(point.angle >= 0.0 && point.angle <= 360.0, "angle outside 0..360");
    Require(point.loss >= 0.0 && std::isfinite(point.loss), "loss negative or not finite");
    Require(point.line > 0, "point without its line");
    lowest = std::min(lowest, point.loss);
    highest = std::max(highest, point.loss);
  }
  for (double loss : veltrisko::LossesOnDegreeGrid(points)) {
    Require(loss >= lowest && loss <= highest, "interpolated loss outside the values read");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto format =
      data[0] % 2 == 0 ? veltrisko::PatternFormat::kMsi : veltrisko::PatternFormat::kCsv;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const veltrisko::PatternReading reading = veltrisko::ParsePatternText(text, format);
  if (!reading.file) {
    Require(reading.error.rfind("line ", 0) == 0, "refusal without a line");
    return 0;
  }
  Require(reading.file->horizontal || reading.file->vertical, "a file without a cut");
  if (format == veltrisko::PatternFormat::kMsi) {
    Require(reading.file->horizontal && reading.file->vertical, "MSI file without both sections");
  }
  if (reading.file->horizontal) CheckCut(*reading.file->horizontal);
  if (reading.file->vertical) CheckCut(*reading.file->vertical);
  return 0;
}
