// SPDX-License-Identifier: MIT
#include "interchange/radio_mobile_format.h"

#include <string>

#include "interchange/number_text.h"

namespace veltrisko {

std::optional<double> ParseRadioMobileValue(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return ParseDecimal(text);
  if (text.find_first_of(".,", comma + 1) != std::string_view::npos ||
      text.find('.') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string point(text);
  point[comma] = '.';
  return ParseDecimal(point);
}

PatternReading ParseRadioMobilePattern(std::string_view text) {
  std::vector<CutPoint> values;
  FileProblem error;
  int lastLine = 0;
  int decimals = 0;
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    line = TrimBlanks(line);
    if (line.empty()) return true;
    const std::optional<double> value = ParseRadioMobileValue(line);
    if (!value || SplitWords(line).size() != 1) {
      error = LineProblem(number, FileProblemKind::kNotOneNumber);
      error.found = line;
      return false;
    }
    if (static_cast<int>(values.size()) == 2 * kRadioMobileValues) {
      error = LineProblem(number, FileProblemKind::kTooManyValues);
      return false;
    }
    // The k-th vertical value is elevation 90 - k, the cut angle k - 90.
    const int k = static_cast<int>(values.size());
    const double angle = k < kRadioMobileValues ? k : (k - kRadioMobileValues + 270) % 360;
    values.push_back({angle, *value + 0.0, number});
    decimals = std::max(decimals, DecimalsOf(line));
    return true;
  });
  const auto count = static_cast<int>(values.size());
  if (!error && count != kRadioMobileValues && count != 2 * kRadioMobileValues) {
    error = LineProblem(std::max(lastLine, 1), FileProblemKind::kValueCount, count);
  }
  if (error) return Refused(std::move(error));
  PatternFile file;
  file.horizontal.emplace(values.begin(), values.begin() + kRadioMobileValues);
  if (count == 2 * kRadioMobileValues) {
    file.vertical.emplace(values.begin() + kRadioMobileValues, values.end());
  }
  GainsToLosses(file);
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
