// SPDX-License-Identifier: MIT
#include "interchange/pattern_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "interchange/csv_format.h"
#include "interchange/msi_format.h"
#include "interchange/number_text.h"

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

std::optional<std::string> ReadCutPoint(std::string_view angle, std::string_view loss, int line,
                                        CutPoint& point) {
  const std::optional<double> angleValue = ParseDecimal(angle);
  if (!angleValue) return LineError(line, "angle '" + std::string(angle) + "' is not a number");
  const std::optional<double> lossValue = ParseDecimal(loss);
  if (!lossValue) return LineError(line, "loss '" + std::string(loss) + "' is not a number");
  if (*angleValue < 0.0 || *angleValue > 360.0) {
    return LineError(line, "angle " + std::string(angle) + " lies outside 0 to 360");
  }
  if (*lossValue < 0.0) return LineError(line, "loss " + std::string(loss) + " is negative");
  point = {*angleValue + 0.0, *lossValue + 0.0, line};
  return std::nullopt;
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
  return EndsWithIgnoringCase(path, ".csv") ? PatternFormat::kCsv : PatternFormat::kMsi;
}

PatternFormat FormatOfText(std::string_view text) {
  PatternFormat format = PatternFormat::kMsi;
  ForEachLine(text, [&](int, std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty()) return true;
    if (line.find_first_of(",;") != std::string_view::npos) format = PatternFormat::kCsv;
    return false;
  });
  return format;
}

PatternReading ParsePatternText(std::string_view text, PatternFormat format) {
  if (text.size() > kMaxPatternFileBytes) return {std::nullopt, "the text is larger than 10 MB"};
  return format == PatternFormat::kCsv ? ParseCsvPattern(text) : ParseMsiPattern(text);
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
