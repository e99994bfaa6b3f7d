// SPDX-License-Identifier: MIT
#include "text/language.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veltrisko {

std::string_view CodeOf(Language language) { return language == Language::kEnglish ? "en" : "de"; }

std::optional<Language> LanguageOfCode(std::string_view code) {
  if (code == "de") return Language::kGerman;
  if (code == "en") return Language::kEnglish;
  return std::nullopt;
}

std::string DecimalNumber(double value, int decimals, Language language) {
  decimals = std::clamp(decimals, 0, 9);
  // Rounding first keeps "-0,00" from appearing for tiny negative values.
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0.0 || !std::isfinite(rounded)) rounded = std::isfinite(rounded) ? 0.0 : rounded;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
  std::string result = text;
  // Printed with the C locale's decimal point, whatever the user's locale.
  if (language == Language::kGerman) std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

std::string WithoutMnemonic(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace veltrisko
