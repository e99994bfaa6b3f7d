// SPDX-License-Identifier: MIT
#include "interchange/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace veltrisko {

std::optional<double> ParseDecimal(std::string_view text) {
  // from_chars takes no leading '+'; a sign followed by another sign is not a
  // number.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  constexpr std::string_view kBlanks = " \t\r";
  std::size_t at = line.find_first_not_of(kBlanks);
  while (at != std::string_view::npos) {
    const std::size_t end = line.find_first_of(kBlanks, at);
    words.push_back(line.substr(at, end == std::string_view::npos ? end : end - at));
    at = end == std::string_view::npos ? end : line.find_first_not_of(kBlanks, end);
  }
  return words;
}

std::vector<std::string_view> CommaOrBlankFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at <= line.size()) {
    const std::size_t end = std::min(line.find_first_of(", \t\r", at), line.size());
    if (end > at) fields.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return fields;
}

}  // namespace veltrisko
