// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interchange/pattern_cuts.h"
#include "text/file_problem.h"

namespace veltrisko {

// Files above this size are refused before they are read.
inline constexpr std::size_t kMaxPatternFileBytes = 10 * 1024 * 1024;

// One measured value of a cut, with the line it came from.
struct CutPoint {
  double angle = 0.0;  // 0..360 degrees
  double loss = 0.0;   // dB, not negative
  int line = 0;
};

enum class PatternFormat { kMsi, kCsv, kNsma, kEdx, kRadioMobile };

struct PatternFile {
  PatternFormat format = PatternFormat::kMsi;
  // Half a unit of the last decimal the file writes its values with, in dB
  // (0.05 for one decimal, 0.005 for two): what rounding may hide.
  double halfUnitDb = 0.0;
  // Keywords other than the two sections, as written, with the rest of
  // their line (NAME, MAKE, FREQUENCY, GAIN, TILT, COMMENT, ...).
  std::vector<std::pair<std::string, std::string>> metadata;
  // A CSV file of one cut has only one of the two.
  std::optional<std::vector<CutPoint>> horizontal;
  std::optional<std::vector<CutPoint>> vertical;

  // The value of the first keyword equal to `keyword` (any case), or empty.
  std::string Metadata(std::string_view keyword) const;
};

// Either a file or the problem, naming the line; `error` is the problem in
// English ("line 12: ..."), as the command-line tool says it.
struct PatternReading {
  std::optional<PatternFile> file;
  std::string error;
  FileProblem problem{};
};

// A reading that failed with `problem`.
PatternReading Refused(FileProblem problem);

PatternReading ParsePatternText(std::string_view text, PatternFormat format);

// By the name's ending (any case): ".csv" CSV, ".adf" NSMA, ".pat" EDX,
// ".ant" Radio Mobile, every other name (".msi", ".pln", ".txt", ".prn")
// MSI Planet. Standard input ("-") is recognised by its text: NSMA by its
// "KEYWORD:," lines, EDX by a quoted name first, Radio Mobile by one number
// a line, CSV by a comma or semicolon on its first line that is not blank.
PatternFormat FormatOfPath(const std::string& path);
PatternFormat FormatOfText(std::string_view text);

// Reads a file (or standard input for "-"), refusing one above
// kMaxPatternFileBytes, a folder and one with a NUL byte; problems name the
// path.
PatternReading ReadPatternFile(const std::string& path);
// The same for a file's bytes already in memory (a page's file picker, a
// dropped file): the format and the messages from `name`, the same limit.
PatternReading ReadPatternBytes(const std::string& name, std::string_view bytes);

// The short name of a format, as reports give it: "msi", "csv", "nsma",
// "edx", "radio-mobile".
const char* FormatName(PatternFormat format);

// Reads a signed value (a loss or a gain) into `point.loss`. The angle is
// turned into 0..360 when `wrapAngle` (any angle from -360 to 360 accepted;
// `fromElevation`: the angle is an elevation above the horizon, turned into
// the vertical cut's angle), else it must lie in 0..360. Counts the value's
// decimals into `decimals` (the largest seen).
struct SignedReading {
  bool wrapAngle = false;
  bool fromElevation = false;
  const char* valueName = "loss";  // in messages
};
std::optional<FileProblem> ReadSignedPoint(std::string_view angle, std::string_view value, int line,
                                           SignedReading how, CutPoint& point, int& decimals);

// Losses as MSI Planet and CSV files write them may also be gains: when no
// value is positive and most are negative the values are gains (loss = -value);
// otherwise a negative value is refused, naming its line.
std::optional<FileProblem> ResolveSignedLosses(PatternFile& file);

// The digits after the decimal point of a number as written.
int DecimalsOf(std::string_view number);

// Half a unit of `decimals` decimals: 0.5 for none, 0.05 for one, ...
double HalfUnit(int decimals);

// Values read as gains (larger is stronger) become losses from the largest
// value of both cuts, or from 0 dB when no value is positive.
void GainsToLosses(PatternFile& file);

// Refuses an angle given twice with two different losses (360 is the same
// direction as 0); a problem naming the later line, or nothing.
std::optional<FileProblem> CheckRepeatedAngles(const std::vector<CutPoint>& points,
                                               std::string_view cutName);

// The losses at the whole degrees 0..359, interpolated linearly in angle
// between the nearest points on either side (around the full turn). `points`
// must be non-empty and checked.
CutLosses LossesOnDegreeGrid(const std::vector<CutPoint>& points);

// A problem of `kind` on line `line`, with up to three counts.
FileProblem LineProblem(int line, FileProblemKind kind, long first = 0, long second = 0,
                        long third = 0);

}  // namespace veltrisko
