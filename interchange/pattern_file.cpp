// SPDX-License-Identifier: MIT
#include "interchange/pattern_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "interchange/csv_format.h"
#include "interchange/edx_format.h"
#include "interchange/msi_format.h"
#include "interchange/nsma_format.h"
#include "interchange/number_text.h"
#include "interchange/radio_mobile_format.h"

namespace veltrisko {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// A folder opens as a file on some systems and fails only when read.
bool IsFolder(const std::string& path) {
  std::error_code error;
  return path != "-" &&
         std::filesystem::is_directory(std::u8string(path.begin(), path.end()), error);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualIgnoringCase(text.substr(text.size() - end.size()), end);
}

// Reads at most kMaxPatternFileBytes + 1 bytes, so that a larger file is
// recognised without holding it.
FileProblem ReadBounded(std::FILE* stream, const std::string& path, std::string& text) {
  char buffer[65536];
  while (true) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream);
    text.append(buffer, got);
    if (text.size() > kMaxPatternFileBytes)
      return {.kind = FileProblemKind::kTooLarge, .path = path};
    if (got < sizeof buffer) break;
  }
  if (std::ferror(stream)) {
    return {.kind = IsFolder(path) ? FileProblemKind::kFolder : FileProblemKind::kCannotRead,
            .path = path};
  }
  return {};
}

}  // namespace

std::string PatternFile::Metadata(std::string_view keyword) const {
  for (const auto& [name, value] : metadata) {
    if (EqualIgnoringCase(name, keyword)) return value;
  }
  return {};
}

FileProblem LineProblem(int line, FileProblemKind kind, long first, long second, long third) {
  return {.kind = kind, .line = line, .counts = {first, second, third}};
}

PatternReading Refused(FileProblem problem) {
  PatternReading reading;
  reading.error = FileProblemText(problem, Language::kEnglish);
  reading.problem = std::move(problem);
  return reading;
}

int DecimalsOf(std::string_view number) {
  const std::size_t point = number.find_first_of(".,");
  if (point == std::string_view::npos) return 0;
  int digits = 0;
  for (std::size_t i = point + 1; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
    ++digits;
  }
  return digits;
}

double HalfUnit(int decimals) { return 0.5 * std::pow(10.0, -std::clamp(decimals, 0, 12)); }

std::optional<FileProblem> ReadSignedPoint(std::string_view angle, std::string_view value, int line,
                                           SignedReading how, CutPoint& point, int& decimals) {
  const std::optional<double> angleValue = ParseDecimal(angle);
  if (!angleValue) {
    return FileProblem{
        .kind = FileProblemKind::kAngleNotNumber, .line = line, .found = std::string(angle)};
  }
  const std::optional<double> number = ParseDecimal(value);
  if (!number) {
    return FileProblem{.kind = FileProblemKind::kValueNotNumber,
                       .line = line,
                       .found = std::string(value),
                       .name = how.valueName};
  }
  double direction = *angleValue;
  const double lowest = how.wrapAngle ? -360.0 : 0.0;
  if (direction < lowest || direction > 360.0) {
    return FileProblem{.kind = FileProblemKind::kAngleOutside,
                       .line = line,
                       .found = std::string(angle),
                       .counts = {static_cast<long>(lowest), 0, 0}};
  }
  if (how.wrapAngle) {
    if (how.fromElevation) direction = -direction;
    direction = std::fmod(direction + 360.0, 360.0);
  }
  decimals = std::max(decimals, DecimalsOf(value));
  point = {direction + 0.0, *number + 0.0, line};
  return std::nullopt;
}

void GainsToLosses(PatternFile& file) {
  double peak = 0.0;
  for (auto* cut : {&file.horizontal, &file.vertical}) {
    if (!*cut) continue;
    for (const CutPoint& point : **cut) peak = std::max(peak, point.loss);
  }
  for (auto* cut : {&file.horizontal, &file.vertical}) {
    if (!*cut) continue;
    for (CutPoint& point : **cut) point.loss = peak - point.loss + 0.0;
  }
}

std::optional<FileProblem> ResolveSignedLosses(PatternFile& file) {
  std::size_t count = 0;
  std::size_t negative = 0;
  const CutPoint* firstNegative = nullptr;
  bool positive = false;
  for (auto* cut : {&file.horizontal, &file.vertical}) {
    if (!*cut) continue;
    for (const CutPoint& point : **cut) {
      ++count;
      positive = positive || point.loss > 0.0;
      if (point.loss < 0.0) {
        ++negative;
        if (firstNegative == nullptr || point.line < firstNegative->line) firstNegative = &point;
      }
    }
  }
  if (firstNegative == nullptr) return std::nullopt;
  if (!positive && 2 * negative > count) {
    GainsToLosses(file);
    return std::nullopt;
  }
  return FileProblem{.kind = FileProblemKind::kNegativeLoss,
                     .line = firstNegative->line,
                     .value = firstNegative->loss};
}

const char* FormatName(PatternFormat format) {
  switch (format) {
    case PatternFormat::kCsv:
      return "csv";
    case PatternFormat::kNsma:
      return "nsma";
    case PatternFormat::kEdx:
      return "edx";
    case PatternFormat::kRadioMobile:
      return "radio-mobile";
    case PatternFormat::kMsi:
      break;
  }
  return "msi";
}

std::optional<FileProblem> CheckRepeatedAngles(const std::vector<CutPoint>& points,
                                               std::string_view cutName) {
  std::vector<CutPoint> sorted = points;
  for (CutPoint& point : sorted) {
    if (point.angle == 360.0) point.angle = 0.0;
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const CutPoint& a, const CutPoint& b) { return a.angle < b.angle; });
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    const CutPoint& earlier = sorted[i - 1];
    if (sorted[i].angle == earlier.angle && sorted[i].loss != earlier.loss) {
      return FileProblem{.kind = FileProblemKind::kRepeatedAngle,
                         .line = std::max(sorted[i].line, earlier.line),
                         .name = std::string(cutName),
                         .value = sorted[i].angle};
    }
  }
  return std::nullopt;
}

CutLosses LossesOnDegreeGrid(const std::vector<CutPoint>& points) {
  std::vector<std::pair<double, double>> sorted;
  for (const CutPoint& point : points) {
    sorted.emplace_back(point.angle == 360.0 ? 0.0 : point.angle, point.loss);
  }
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               sorted.end());
  CutLosses losses{};
  const std::size_t count = sorted.size();
  std::size_t next = 0;  // the first point at or after the grid angle
  for (int degree = 0; degree < kCutPoints; ++degree) {
    while (next < count && sorted[next].first < degree) ++next;
    if (next < count && sorted[next].first == degree) {
      losses[degree] = sorted[next].second;
      continue;
    }
    // Neighbours around the turn: the last point before and the first after.
    const auto& after = next < count ? sorted[next] : sorted.front();
    const auto& before = next > 0 ? sorted[next - 1] : sorted.back();
    const double afterAngle = next < count ? after.first : after.first + 360.0;
    const double beforeAngle = next > 0 ? before.first : before.first - 360.0;
    const double span = afterAngle - beforeAngle;
    const double share = span > 0.0 ? (degree - beforeAngle) / span : 0.0;
    losses[degree] = before.second + (after.second - before.second) * share;
  }
  return losses;
}

PatternFormat FormatOfPath(const std::string& path) {
  if (EndsWithIgnoringCase(path, ".csv")) return PatternFormat::kCsv;
  if (EndsWithIgnoringCase(path, ".adf")) return PatternFormat::kNsma;
  if (EndsWithIgnoringCase(path, ".pat")) return PatternFormat::kEdx;
  if (EndsWithIgnoringCase(path, ".ant")) return PatternFormat::kRadioMobile;
  return PatternFormat::kMsi;
}

PatternFormat FormatOfText(std::string_view text) {
  bool first = true;
  bool csv = false;
  bool nsma = false;
  bool edx = false;
  int numbers = 0;  // lines of one number each, while there are only such
  ForEachLine(text, [&](int, std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty()) return true;
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && colon + 1 < line.size() && line[colon + 1] == ',') {
      nsma = true;
      return false;
    }
    if (first) {
      first = false;
      edx = line.front() == '\'';
      csv = line.find_first_of(",;") != std::string_view::npos;
    }
    if (numbers >= 0) {
      numbers = SplitWords(line).size() == 1 && ParseRadioMobileValue(line) ? numbers + 1 : -1;
    }
    return !edx;
  });
  if (nsma) return PatternFormat::kNsma;
  if (edx) return PatternFormat::kEdx;
  if (numbers == kRadioMobileValues || numbers == 2 * kRadioMobileValues) {
    return PatternFormat::kRadioMobile;
  }
  return csv ? PatternFormat::kCsv : PatternFormat::kMsi;
}

PatternReading ParsePatternText(std::string_view text, PatternFormat format) {
  if (text.size() > kMaxPatternFileBytes) return Refused({.kind = FileProblemKind::kTooLarge});
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    const auto line = 1 + std::count(text.begin(), text.begin() + nul, '\n');
    return Refused(LineProblem(static_cast<int>(line), FileProblemKind::kBinary));
  }
  PatternReading reading;
  switch (format) {
    case PatternFormat::kCsv:
      reading = ParseCsvPattern(text);
      break;
    case PatternFormat::kNsma:
      reading = ParseNsmaPattern(text);
      break;
    case PatternFormat::kEdx:
      reading = ParseEdxPattern(text);
      break;
    case PatternFormat::kRadioMobile:
      reading = ParseRadioMobilePattern(text);
      break;
    case PatternFormat::kMsi:
      reading = ParseMsiPattern(text);
      break;
  }
  if (reading.file) reading.file->format = format;
  return reading;
}

PatternReading ReadPatternFile(const std::string& path) {
  std::string text;
  FileProblem problem;
  if (path == "-") {
    problem = ReadBounded(stdin, path, text);
  } else {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"),
                                                                 &std::fclose);
    if (!stream) {
      const int error = errno;
      if (IsFolder(path)) return Refused({.kind = FileProblemKind::kFolder, .path = path});
      return Refused({.kind = FileProblemKind::kCannotOpen, .path = path, .error = error});
    }
    problem = ReadBounded(stream.get(), path, text);
  }
  if (problem) return Refused(std::move(problem));
  const PatternFormat format = path == "-" ? FormatOfText(text) : FormatOfPath(path);
  PatternReading reading = ParsePatternText(text, format);
  if (reading.file) return reading;
  reading.problem.path = path;
  return Refused(std::move(reading.problem));
}

PatternReading ReadPatternBytes(const std::string& name, std::string_view bytes) {
  if (bytes.size() > kMaxPatternFileBytes)
    return Refused({.kind = FileProblemKind::kTooLarge, .path = name});
  PatternReading reading = ParsePatternText(bytes, FormatOfPath(name));
  if (reading.file) return reading;
  reading.problem.path = name;
  return Refused(std::move(reading.problem));
}

}  // namespace veltrisko
