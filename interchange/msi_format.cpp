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

// A problem naming the section still owed values.
FileProblem Shortfall(int line, FileProblemKind kind, const Section& section) {
  FileProblem problem = LineProblem(line, kind, section.line, section.announced,
                                    static_cast<long>(section.points.size()));
  problem.name = section.name;
  return problem;
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
  FileProblem error;
  int lastLine = 0;
  int decimals = 0;
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty() || words[0].front() == '#') return true;
    const bool startsWithNumber = ParseDecimal(words[0]).has_value();
    if (open != nullptr) {
      if (!startsWithNumber) {
        error = Shortfall(number, FileProblemKind::kNotAnAngle, *open);
        error.found = words[0];
        return false;
      }
      if (words.size() != 2) {
        error = LineProblem(number, FileProblemKind::kAngleLossFields, std::ssize(words));
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
      error = LineProblem(number, FileProblemKind::kValueOutsideSection);
      return false;
    }
    const std::string keyword = UpperCase(words[0]);
    if (keyword == "HORIZONTAL" || keyword == "VERTICAL") {
      Section& section = keyword == "HORIZONTAL" ? horizontal : vertical;
      if (section.line != 0) {
        error = LineProblem(number, FileProblemKind::kSecondSection, section.line);
        error.name = keyword;
        return false;
      }
      long count = 0;
      const bool counted =
          words.size() == 2 &&
          std::from_chars(words[1].data(), words[1].data() + words[1].size(), count).ptr ==
              words[1].data() + words[1].size() &&
          count > 0 && count <= kMaxAnnouncedValues;
      if (!counted) {
        error = LineProblem(number, FileProblemKind::kSectionCount, kMaxAnnouncedValues);
        error.name = keyword;
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
  if (!error && open != nullptr)
    error = Shortfall(lastLine, FileProblemKind::kEndsInSection, *open);
  for (const Section* section : {&horizontal, &vertical}) {
    if (error) break;
    if (section->line == 0) {
      error = LineProblem(lastLine, FileProblemKind::kNoSection);
      error.name = section->name;
    } else if (auto problem = CheckRepeatedAngles(section->points, section->name)) {
      error = *problem;
    }
  }
  if (error) return Refused(std::move(error));
  file.horizontal = std::move(horizontal.points);
  file.vertical = std::move(vertical.points);
  if (auto problem = ResolveSignedLosses(file)) return Refused(std::move(*problem));
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
