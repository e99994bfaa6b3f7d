// SPDX-License-Identifier: MIT
#include "interchange/nsma_format.h"

#include <charconv>
#include <string>
#include <vector>

#include "interchange/number_text.h"

namespace veltrisko {
namespace {

constexpr long kMaxPoints = 1'000'000;

std::string UpperCase(std::string_view text) {
  std::string upper(TrimBlanks(text));
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

struct Cut {
  enum class Plane { kNone, kHorizontal, kVertical } plane = Plane::kNone;
  bool copolar = true;
  int line = 0;
  long announced = 0;
  std::vector<CutPoint> points;
};

}  // namespace

PatternReading ParseNsmaPattern(std::string_view text) {
  PatternFile file;
  Cut cut;  // the cut being read
  bool inData = false;
  FileProblem error;
  int lastLine = 0;
  int decimals = 0;
  bool ended = false;
  const auto finishCut = [&]() -> bool {
    if (!inData) return true;
    inData = false;
    if (static_cast<long>(cut.points.size()) != cut.announced) {
      error = LineProblem(cut.line, FileProblemKind::kCutShortfall, cut.announced,
                          static_cast<long>(cut.points.size()));
      return false;
    }
    auto& target = cut.plane == Cut::Plane::kHorizontal ? file.horizontal : file.vertical;
    if (cut.plane != Cut::Plane::kNone && cut.copolar && !target) {
      if (auto problem = CheckRepeatedAngles(
              cut.points, cut.plane == Cut::Plane::kHorizontal ? "horizontal" : "vertical")) {
        error = *problem;
        return false;
      }
      target = std::move(cut.points);
    }
    cut.points.clear();
    return true;
  };
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    line = TrimBlanks(line);
    if (line.empty()) return true;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      const std::vector<std::string_view> fields = CommaOrBlankFields(line);
      if (!inData) {
        error = LineProblem(number, FileProblemKind::kValueOutsideCut);
        return false;
      }
      if (fields.size() != 2) {
        error = LineProblem(number, FileProblemKind::kAngleGainFields, std::ssize(fields));
        return false;
      }
      CutPoint point;
      const SignedReading how{true, cut.plane == Cut::Plane::kVertical, "gain"};
      if (auto problem = ReadSignedPoint(fields[0], fields[1], number, how, point, decimals)) {
        error = *problem;
        return false;
      }
      cut.points.push_back(point);
      if (static_cast<long>(cut.points.size()) == cut.announced) return finishCut();
      return true;
    }
    const std::string keyword = UpperCase(line.substr(0, colon));
    if (inData && keyword == "FSTLST" && cut.points.empty()) return true;
    if (inData) {
      error = LineProblem(number, FileProblemKind::kCutShortfallAt, cut.line, cut.announced,
                          static_cast<long>(cut.points.size()));
      return false;
    }
    std::string_view rest = line.substr(colon + 1);
    if (!rest.empty() && rest.front() == ',') rest.remove_prefix(1);
    const std::vector<std::string_view> values = CommaOrBlankFields(rest);
    const std::string first = values.empty() ? std::string() : UpperCase(values[0]);
    if (keyword == "ENDFIL") {
      ended = true;
      return false;
    }
    if (keyword == "PATCUT") {
      cut = Cut{};
      cut.plane = first == "H" || first == "AZ"   ? Cut::Plane::kHorizontal
                  : first == "V" || first == "EL" ? Cut::Plane::kVertical
                                                  : Cut::Plane::kNone;
    } else if (keyword == "POLARI") {
      const std::size_t slash = first.find('/');
      cut.copolar = slash == std::string::npos || first.substr(0, slash) == first.substr(slash + 1);
    } else if (keyword == "NUPOIN") {
      long count = 0;
      const bool counted = !first.empty() &&
                           std::from_chars(first.data(), first.data() + first.size(), count).ptr ==
                               first.data() + first.size() &&
                           count > 0 && count <= kMaxPoints;
      if (!counted) {
        error = LineProblem(number, FileProblemKind::kCutCount, kMaxPoints);
        return false;
      }
      cut.line = number;
      cut.announced = count;
      inData = true;
    } else if (keyword != "FSTLST") {
      file.metadata.emplace_back(keyword, std::string(TrimBlanks(rest)));
    }
    return true;
  });
  lastLine = std::max(lastLine, 1);
  if (!error && inData && !ended) {
    error = LineProblem(lastLine, FileProblemKind::kEndsInCut, cut.line, cut.announced);
  }
  if (!error && inData) finishCut();
  if (!error && !file.horizontal && !file.vertical) {
    error = LineProblem(lastLine, FileProblemKind::kNoCut);
  }
  if (error) return Refused(std::move(error));
  GainsToLosses(file);
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
