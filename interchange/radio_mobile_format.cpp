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
  std::string error;
  int lastLine = 0;
  int decimals = 0;
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    line = TrimBlanks(line);
    if (line.empty()) return true;
    const std::optional<double> value = ParseRadioMobileValue(line);
    if (!value || SplitWords(line).size() != 1) {
      // Appended, not concatenated: mingw's GCC 12 warns falsely about the latter.
      std::string quoted = "'";
      quoted.append(line).append("' is not one number (a gain in dB)");
      error = LineError(number, quoted);
      return false;
    }
    if (static_cast<int>(values.size()) == 2 * kRadioMobileValues) {
      error = LineError(number, "more than 720 values (360 horizontal, 360 vertical)");
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
  if (error.empty() && count != kRadioMobileValues && count != 2 * kRadioMobileValues) {
    error = LineError(std::max(lastLine, 1), "a Radio Mobile file holds 360 or 720 values, found " +
                                                 std::to_string(count));
  }
  if (!error.empty()) return {std::nullopt, error};
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
