// SPDX-License-Identifier: MIT
// Arbitrary bytes through the MSI Planet, CSV, NSMA, EDX and Radio Mobile
// readers (the first byte chooses the format). Aborts when a reading succeeds
// with a value outside the accepted ranges, when a refusal does not name its
// line or words it with a control character or a byte that is no UTF-8 in
// either language, when the 1-degree grid leaves the range of the values
// read, or when a cut's main direction, beamwidth or aligned losses leave
// their ranges.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interchange/pattern_alignment.h"
#include "interchange/pattern_file.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "pattern_file_fuzz: %s\n", what);
    std::abort();
  }
}

// Printable UTF-8 (the check is coarse: lead bytes and continuations).
bool IsCleanText(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x20 || lead == 0x7F || (lead >= 0x80 && lead < 0xC2) || lead > 0xF4) return false;
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (at + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
    }
    at += length;
  }
  return true;
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
  const veltrisko::CutShape shape = veltrisko::MeasureCut(points);
  Require(shape.mainAngle > -180.0 && shape.mainAngle <= 180.0, "main direction out of range");
  Require(shape.peakLoss == lowest, "the maximum is not the smallest loss");
  Require(!shape.beamwidth3Db || (*shape.beamwidth3Db > 0.0 && *shape.beamwidth3Db <= 360.0),
          "beamwidth out of range");
  Require(shape.backLossDb >= 0.0 && shape.backLossDb <= highest - lowest,
          "back loss out of range");
  for (double loss : veltrisko::AlignedLosses(points, shape)) {
    Require(loss >= 0.0 && loss <= highest - lowest, "aligned loss outside the values read");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  constexpr veltrisko::PatternFormat kFormats[] = {
      veltrisko::PatternFormat::kMsi, veltrisko::PatternFormat::kCsv,
      veltrisko::PatternFormat::kNsma, veltrisko::PatternFormat::kEdx,
      veltrisko::PatternFormat::kRadioMobile};
  const veltrisko::PatternFormat format = kFormats[data[0] % 5];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const veltrisko::PatternReading reading = veltrisko::ParsePatternText(text, format);
  if (!reading.file) {
    Require(reading.error.rfind("line ", 0) == 0, "refusal without a line");
    for (const veltrisko::Language language :
         {veltrisko::Language::kGerman, veltrisko::Language::kEnglish}) {
      Require(IsCleanText(veltrisko::FileProblemText(reading.problem, language)),
              "a message with a control character or not UTF-8");
    }
    return 0;
  }
  Require(reading.file->horizontal || reading.file->vertical, "a file without a cut");
  Require(reading.file->format == format, "the format read is not the one asked for");
  Require(reading.file->halfUnitDb >= 0.0 && reading.file->halfUnitDb <= 5.0,
          "rounding unit out of range");
  if (format == veltrisko::PatternFormat::kMsi) {
    Require(reading.file->horizontal && reading.file->vertical, "MSI file without both sections");
  }
  if (reading.file->horizontal) CheckCut(*reading.file->horizontal);
  if (reading.file->vertical) CheckCut(*reading.file->vertical);
  return 0;
}
