// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The viewers speak German or English. A text a person sees is written once
// per language; the front end holds the language in force and passes it to
// whatever composes a text.

namespace veltrisko {

enum class Language { kGerman, kEnglish };

// German is the language of a viewer nobody asked for another.
inline constexpr Language kDefaultLanguage = Language::kGerman;

// One text in both languages, UTF-8.
struct Text {
  std::string_view de;
  std::string_view en;
};

constexpr std::string_view In(Language language, const Text& text) {
  return language == Language::kEnglish ? text.en : text.de;
}

inline std::string InString(Language language, const Text& text) {
  return std::string(In(language, text));
}

// "de" and "en", as the command line and the settings write a language.
std::string_view CodeOf(Language language);
std::optional<Language> LanguageOfCode(std::string_view code);

// A number with `decimals` decimals: German writes a decimal comma, English
// a decimal point.
std::string DecimalNumber(double value, int decimals, Language language);

// A menu or button text as a front end without mnemonics shows it: a single
// '&' marks the key and goes, "&&" is one '&'.
std::string WithoutMnemonic(std::string_view text);

}  // namespace veltrisko
