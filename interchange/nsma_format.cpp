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
  std::string error;
  int lastLine = 0;
  int decimals = 0;
  bool ended = false;
  const auto finishCut = [&]() -> bool {
    if (!inData) return true;
    inData = false;
    if (static_cast<long>(cut.points.size()) != cut.announced) {
      error = LineError(cut.line, "NUPOIN announces " + std::to_string(cut.announced) +
                                      " values, found " + std::to_string(cut.points.size()));
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
        error = LineError(number,
                          "a value outside a cut (no NUPOIN before it, or more values "
                          "than it announces)");
        return false;
      }
      if (fields.size() != 2) {
        error = LineError(
            number, "expected 'angle,gain', found " + std::to_string(fields.size()) + " fields");
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
      error = LineError(number, "NUPOIN (line " + std::to_string(cut.line) + ") announces " +
                                    std::to_string(cut.announced) + " values, found " +
                                    std::to_string(cut.points.size()));
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
        error = LineError(number, "NUPOIN needs the count of the cut's values (1 to 1000000)");
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
  if (error.empty() && inData && !ended) {
    error = LineError(lastLine, "the file ends before NUPOIN (line " + std::to_string(cut.line) +
                                    ") has its " + std::to_string(cut.announced) + " values");
  }
  if (error.empty() && inData) finishCut();
  if (error.empty() && !file.horizontal && !file.vertical) {
    error = LineError(lastLine, "the file holds no horizontal (H, AZ) or vertical (V, EL) cut");
  }
  if (!error.empty()) return {std::nullopt, error};
  GainsToLosses(file);
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
