// SPDX-License-Identifier: MIT
#include "interchange/msi_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "interchange/number_text.h"

namespace veltrisko {
namespace {

// Bounds the announced count so that it cannot name an absurd number.
constexpr long kMaxAnnouncedValues = 10'000'000;

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

struct Section {
  const char* name;
  int line = 0;
  long announced = 0;
  std::vector<CutPoint> points;
};

std::string Shortfall(const Section& section) {
  return std::string(section.name) + " (line " + std::to_string(section.line) + ") announces " +
         std::to_string(section.announced) + " values, found " +
         std::to_string(section.points.size());
}

// A header value stays on its one line.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return text;
}

}  // namespace

std::string LossText(double loss) {
  // Whole hundredths, rounded up: the model's attenuations are single
  // precision, so a hundredth written is never below the value it stands for.
  const double hundredths = std::ceil(std::max(loss, 0.0) * 100.0);
  char text[64];
  std::snprintf(text, sizeof text, "%.0f.%02.0f", std::floor(hundredths / 100.0),
                std::fmod(hundredths, 100.0));
  return text;
}

std::string FormatMsiPattern(const PatternCuts& cuts, const PatternFileHeader& header) {
  std::string text;
  text += "NAME " + OneLine(header.name) + "\n";
  text += "MAKE Veltrisko\n";
  char gain[64];
  std::snprintf(gain, sizeof gain, "GAIN %g dBi\n", header.gainDbi);
  text += gain;
  text += "COMMENT " + OneLine(header.comment) + "\n";
  const auto section = [&](const char* name, const CutLosses& losses) {
    text += std::string(name) + " 360\n";
    for (int a = 0; a < kCutPoints; ++a) {
      text += std::to_string(a) + " " + LossText(losses[a]) + "\n";
    }
  };
  section("HORIZONTAL", cuts.horizontal);
  section("VERTICAL", cuts.vertical);
  return text;
}

PatternReading ParseMsiPattern(std::string_view text) {
  PatternFile file;
  Section horizontal{"HORIZONTAL", 0, 0, {}};
  Section vertical{"VERTICAL", 0, 0, {}};
  Section* open = nullptr;  // the section still owed values
  std::string error;
  int lastLine = 0;
  int decimals = 0;
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty() || words[0].front() == '#') return true;
    const bool startsWithNumber = ParseDecimal(words[0]).has_value();
    if (open != nullptr) {
      if (!startsWithNumber) {
        // Built piece by piece: GCC 12 misreads "'" + std::string(...) (-Wrestrict).
        std::string message = "'";
        message.append(words[0]).append("' is not an angle; ").append(Shortfall(*open));
        error = LineError(number, message);
        return false;
      }
      if (words.size() != 2) {
        error = LineError(
            number, "expected 'angle loss', found " + std::to_string(words.size()) + " fields");
        return false;
      }
      CutPoint point;
      if (auto problem = ReadSignedPoint(words[0], words[1], number, {}, point, decimals)) {
        error = *problem;
        return false;
      }
      open->points.push_back(point);
      if (static_cast<long>(open->points.size()) == open->announced) open = nullptr;
      return true;
    }
    if (startsWithNumber) {
      error = LineError(number,
                        "a value outside a HORIZONTAL or VERTICAL section (more values "
                        "than the section announces?)");
      return false;
    }
    const std::string keyword = UpperCase(words[0]);
    if (keyword == "HORIZONTAL" || keyword == "VERTICAL") {
      Section& section = keyword == "HORIZONTAL" ? horizontal : vertical;
      if (section.line != 0) {
        error = LineError(number, "a second " + keyword + " section (the first is on line " +
                                      std::to_string(section.line) + ")");
        return false;
      }
      long count = 0;
      const bool counted =
          words.size() == 2 &&
          std::from_chars(words[1].data(), words[1].data() + words[1].size(), count).ptr ==
              words[1].data() + words[1].size() &&
          count > 0 && count <= kMaxAnnouncedValues;
      if (!counted) {
        error = LineError(number, keyword + " needs the count of its values (1 to 10000000)");
        return false;
      }
      section.line = number;
      section.announced = count;
      open = &section;
      return true;
    }
    const std::size_t valueAt = line.find(words[0]) + words[0].size();
    file.metadata.emplace_back(std::string(words[0]),
                               std::string(TrimBlanks(line.substr(valueAt))));
    return true;
  });
  lastLine = std::max(lastLine, 1);
  if (error.empty() && open != nullptr) {
    error = LineError(lastLine, "the file ends before " + Shortfall(*open));
  }
  for (const Section* section : {&horizontal, &vertical}) {
    if (!error.empty()) break;
    if (section->line == 0) {
      error =
          LineError(lastLine, std::string("the file ends without a ") + section->name + " section");
    } else if (auto problem = CheckRepeatedAngles(section->points, section->name)) {
      error = *problem;
    }
  }
  if (!error.empty()) return {std::nullopt, error};
  file.horizontal = std::move(horizontal.points);
  file.vertical = std::move(vertical.points);
  if (auto problem = ResolveSignedLosses(file)) return {std::nullopt, *problem};
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
