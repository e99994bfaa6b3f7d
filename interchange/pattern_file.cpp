// SPDX-License-Identifier: MIT
#include "interchange/pattern_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
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

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualIgnoringCase(text.substr(text.size() - end.size()), end);
}

// Reads at most kMaxPatternFileBytes + 1 bytes, so that a larger file is
// recognised without holding it.
PatternReading ReadBounded(std::FILE* stream, const std::string& path, std::string& text) {
  PatternReading reading;
  char buffer[65536];
  while (true) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream);
    text.append(buffer, got);
    if (text.size() > kMaxPatternFileBytes) {
      reading.error = "'" + path + "' is larger than 10 MB";
      return reading;
    }
    if (got < sizeof buffer) break;
  }
  if (std::ferror(stream)) reading.error = "cannot read '" + path + "'";
  return reading;
}

}  // namespace

std::string PatternFile::Metadata(std::string_view keyword) const {
  for (const auto& [name, value] : metadata) {
    if (EqualIgnoringCase(name, keyword)) return value;
  }
  return {};
}

std::string LineError(int line, std::string_view message) {
  return "line " + std::to_string(line) + ": " + std::string(message);
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

std::optional<std::string> ReadSignedPoint(std::string_view angle, std::string_view value, int line,
                                           SignedReading how, CutPoint& point, int& decimals) {
  const std::optional<double> angleValue = ParseDecimal(angle);
  if (!angleValue) return LineError(line, "angle '" + std::string(angle) + "' is not a number");
  const std::optional<double> number = ParseDecimal(value);
  if (!number) {
    return LineError(line, how.valueName + (" '" + std::string(value) + "' is not a number"));
  }
  double direction = *angleValue;
  if (!how.wrapAngle) {
    if (direction < 0.0 || direction > 360.0) {
      return LineError(line, "angle " + std::string(angle) + " lies outside 0 to 360");
    }
  } else {
    if (direction < -360.0 || direction > 360.0) {
      return LineError(line, "angle " + std::string(angle) + " lies outside -360 to 360");
    }
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

std::optional<std::string> ResolveSignedLosses(PatternFile& file) {
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
  char value[32];
  std::snprintf(value, sizeof value, "%g", firstNegative->loss);
  return LineError(firstNegative->line, std::string("loss ") + value +
                                            " is negative (a file of gains has no positive value)");
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

std::optional<std::string> CheckRepeatedAngles(const std::vector<CutPoint>& points,
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
      char angle[32];
      std::snprintf(angle, sizeof angle, "%g", sorted[i].angle);
      return LineError(
          std::max(sorted[i].line, earlier.line),
          std::string(cutName) + " angle " + angle + " is given twice with different losses");
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
  if (text.size() > kMaxPatternFileBytes) return {std::nullopt, "the text is larger than 10 MB"};
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
  PatternReading reading;
  if (path == "-") {
    reading = ReadBounded(stdin, path, text);
  } else {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"),
                                                                 &std::fclose);
    if (!stream) return {std::nullopt, "cannot open '" + path + "': " + std::strerror(errno)};
    reading = ReadBounded(stream.get(), path, text);
  }
  if (!reading.error.empty()) return reading;
  const PatternFormat format = path == "-" ? FormatOfText(text) : FormatOfPath(path);
  reading = ParsePatternText(text, format);
  if (!reading.file) reading.error = (path == "-" ? "standard input" : path) + ": " + reading.error;
  return reading;
}

}  // namespace veltrisko
