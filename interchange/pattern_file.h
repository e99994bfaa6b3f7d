// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interchange/pattern_cuts.h"

namespace veltrisko {

// Files above this size are refused before they are read.
inline constexpr std::size_t kMaxPatternFileBytes = 10 * 1024 * 1024;

// One measured value of a cut, with the line it came from.
struct CutPoint {
  double angle = 0.0;  // 0..360 degrees
  double loss = 0.0;   // dB, not negative
  int line = 0;
};

struct PatternFile {
  // Keywords other than the two sections, as written, with the rest of
  // their line (NAME, MAKE, FREQUENCY, GAIN, TILT, COMMENT, ...).
  std::vector<std::pair<std::string, std::string>> metadata;
  // A CSV file of one cut has only one of the two.
  std::optional<std::vector<CutPoint>> horizontal;
  std::optional<std::vector<CutPoint>> vertical;

  // The value of the first keyword equal to `keyword` (any case), or empty.
  std::string Metadata(std::string_view keyword) const;
};

// Either a file or a message naming the line ("line 12: ...").
struct PatternReading {
  std::optional<PatternFile> file;
  std::string error;
};

enum class PatternFormat { kMsi, kCsv };

PatternReading ParsePatternText(std::string_view text, PatternFormat format);

// ".csv" (any case) is CSV, every other name MSI Planet; standard input ("-")
// is CSV when its first line that is not blank holds a comma or semicolon.
PatternFormat FormatOfPath(const std::string& path);
PatternFormat FormatOfText(std::string_view text);

// Reads a file (or standard input for "-"), refusing one above
// kMaxPatternFileBytes; errors name the path.
PatternReading ReadPatternFile(const std::string& path);

// Reads the two fields of one value: both numbers, the angle in 0..360, the
// loss not negative. A message naming the line, or nothing.
std::optional<std::string> ReadCutPoint(std::string_view angle, std::string_view loss, int line,
                                        CutPoint& point);

// Refuses an angle given twice with two different losses (360 is the same
// direction as 0); a message naming the later line, or nothing.
std::optional<std::string> CheckRepeatedAngles(const std::vector<CutPoint>& points,
                                               std::string_view cutName);

// The losses at the whole degrees 0..359, interpolated linearly in angle
// between the nearest points on either side (around the full turn). `points`
// must be non-empty and checked.
CutLosses LossesOnDegreeGrid(const std::vector<CutPoint>& points);

// "line N: message"
std::string LineError(int line, std::string_view message);

}  // namespace veltrisko
