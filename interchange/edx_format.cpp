// SPDX-License-Identifier: MIT
#include "interchange/edx_format.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "interchange/number_text.h"

namespace veltrisko {
namespace {

constexpr long kMaxCount = 1'000'000;
// A relative field of 0 is taken as this loss: far below every code's floor.
constexpr double kZeroFieldLoss = 100.0;
// 20 / ln 10: dB per relative change of a field near 1.
constexpr double kDbPerFieldUnit = 8.685889638065035;

bool ReadCount(std::string_view text, long& count) {
  return std::from_chars(text.data(), text.data() + text.size(), count).ptr ==
             text.data() + text.size() &&
         count > 0 && count <= kMaxCount;
}

enum class Stage { kHeader, kHorizontal, kSlices, kSliceAzimuth, kSliceValues, kDone };

}  // namespace

PatternReading ParseEdxPattern(std::string_view text) {
  PatternFile file;
  Stage stage = Stage::kHeader;
  bool field = false;  // relative field strengths, not dB
  long slices = 0;
  long perSlice = 0;
  long slice = -1;
  bool takeSlice = false;
  bool atZero = false;  // a slice through azimuth 0 was taken
  std::vector<CutPoint> horizontal;
  std::vector<CutPoint> vertical;
  FileProblem error;
  int lastLine = 0;
  int decimals = 0;
  long inSlice = 0;
  const auto readPoint = [&](const std::vector<std::string_view>& fields, int number,
                             std::vector<CutPoint>& into) {
    if (fields.size() != 2) {
      error = LineProblem(number, FileProblemKind::kAngleValueFields, std::ssize(fields));
      return false;
    }
    CutPoint point;
    const SignedReading how{true, false, field ? "field" : "value"};
    if (auto problem = ReadSignedPoint(fields[0], fields[1], number, how, point, decimals)) {
      error = *problem;
      return false;
    }
    if (field) {
      if (point.loss < 0.0) {
        error = LineProblem(number, FileProblemKind::kNegativeField);
        error.found = fields[1];
        return false;
      }
      point.loss = point.loss > 0.0 ? 20.0 * std::log10(point.loss) : -kZeroFieldLoss;
    }
    // Depression angles are the vertical cut's own angles.
    into.push_back(point);
    return true;
  };
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    line = TrimBlanks(line);
    if (line.empty()) return true;
    switch (stage) {
      case Stage::kHeader: {
        const std::size_t close =
            line.size() > 1 && line.front() == '\'' ? line.find('\'', 1) : std::string_view::npos;
        if (close == std::string_view::npos) {
          error = LineProblem(number, FileProblemKind::kNoQuotedName);
          return false;
        }
        const std::vector<std::string_view> rest = CommaOrBlankFields(line.substr(close + 1));
        const std::string_view kind = rest.size() >= 2 ? rest[1] : std::string_view();
        if (rest.size() != 2 || !ParseDecimal(rest[0]) || (kind != "1" && kind != "2")) {
          error = LineProblem(number, FileProblemKind::kHeaderLine);
          return false;
        }
        file.metadata.emplace_back("NAME", std::string(line.substr(1, close - 1)));
        file.metadata.emplace_back("GAIN", std::string(rest[0]) + " dBi");
        field = kind == "1";
        stage = Stage::kHorizontal;
        return true;
      }
      case Stage::kHorizontal: {
        const std::vector<std::string_view> fields = CommaOrBlankFields(line);
        if (fields.size() == 1 && ParseDecimal(fields[0]) == 999.0) {
          stage = Stage::kSlices;
          return true;
        }
        return readPoint(fields, number, horizontal);
      }
      case Stage::kSlices: {
        const std::vector<std::string_view> fields = CommaOrBlankFields(line);
        if (fields.size() != 2 || !ReadCount(fields[0], slices) ||
            !ReadCount(fields[1], perSlice)) {
          error = LineProblem(number, FileProblemKind::kSliceCounts);
          return false;
        }
        stage = Stage::kSliceAzimuth;
        return true;
      }
      case Stage::kSliceAzimuth: {
        const std::vector<std::string_view> fields = CommaOrBlankFields(line);
        const std::optional<double> azimuth =
            fields.size() == 1 ? ParseDecimal(fields[0]) : std::nullopt;
        if (!azimuth) {
          error = LineProblem(number, FileProblemKind::kSliceAzimuth, slice + 2);
          return false;
        }
        ++slice;
        // The slice through azimuth 0 replaces an earlier one.
        takeSlice = slice == 0 || (std::fmod(std::fabs(*azimuth), 360.0) == 0.0 && !atZero);
        atZero = atZero || std::fmod(std::fabs(*azimuth), 360.0) == 0.0;
        if (takeSlice) vertical.clear();
        inSlice = 0;
        stage = Stage::kSliceValues;
        return true;
      }
      case Stage::kSliceValues: {
        std::vector<CutPoint> skipped;
        if (!readPoint(CommaOrBlankFields(line), number, takeSlice ? vertical : skipped))
          return false;
        if (++inSlice == perSlice)
          stage = slice + 1 == slices ? Stage::kDone : Stage::kSliceAzimuth;
        return true;
      }
      case Stage::kDone:
        error = LineProblem(number, FileProblemKind::kTextAfterSlices);
        return false;
    }
    return true;
  });
  lastLine = std::max(lastLine, 1);
  if (!error) {
    if (stage == Stage::kHeader) {
      error = LineProblem(lastLine, FileProblemKind::kEndsBeforeHeader);
    } else if (horizontal.empty()) {
      error = LineProblem(lastLine, FileProblemKind::kNoHorizontalValues);
    } else if (stage == Stage::kSliceAzimuth || stage == Stage::kSliceValues) {
      error = LineProblem(lastLine, FileProblemKind::kEndsInSlice, slice + 1, slices);
    }
  }
  if (!error) {
    if (auto problem = CheckRepeatedAngles(horizontal, "horizontal")) error = *problem;
  }
  if (!error) {
    if (auto problem = CheckRepeatedAngles(vertical, "vertical")) error = *problem;
  }
  if (error) return Refused(std::move(error));
  file.horizontal = std::move(horizontal);
  if (!vertical.empty()) file.vertical = std::move(vertical);
  GainsToLosses(file);
  // A field written with d decimals is known to half a unit: near the
  // maximum that is this many dB.
  file.halfUnitDb = field ? kDbPerFieldUnit * HalfUnit(decimals) : HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
