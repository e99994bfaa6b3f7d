// SPDX-License-Identifier: MIT
#include "model/code_form.h"

#include <array>
#include <cstdio>

namespace veltrisko {
namespace {

constexpr std::array<std::string_view, 12> kFamilyLetters = {"EA", "EB", "EC", "DE", "LA", "KA",
                                                             "CA", "CB", "CC", "TA", "ND", "XX"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

CodeForm At(CodeFormDeviation deviation, std::string_view code, int index) {
  return {deviation, index + 1, static_cast<int>(code.size()), code[index]};
}

// A character as it can be shown in a message: printable ASCII as it is,
// anything else by its byte value.
std::string Shown(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x21 && byte < 0x7f) return std::string("'") + c + "'";
  char text[16];
  std::snprintf(text, sizeof text, "byte 0x%02X", byte);
  return text;
}

}  // namespace

CodeForm CheckCodeForm(std::string_view code) {
  const int length = static_cast<int>(code.size());
  // A blank anywhere is named first: it is the usual paste or typing slip.
  for (int i = 0; i < length; ++i) {
    if (IsWhiteSpace(code[i])) return At(CodeFormDeviation::kBlank, code, i);
  }
  // Digits where a digit belongs, within the first seven characters.
  for (int i : {0, 1, 2, 5, 6}) {
    if (i < length && !IsDigit(code[i])) return At(CodeFormDeviation::kNotADigit, code, i);
  }
  if (length < 7) return {CodeFormDeviation::kTooShort, 0, length, 0};
  if (length > 7) return {CodeFormDeviation::kTooLong, 0, length, 0};
  const char first = code[3];
  if (first == 'V' || first == 'W') {
    if (code[4] < 'A' || code[4] > 'I') return At(CodeFormDeviation::kBackFieldLetter, code, 4);
    return {CodeFormDeviation::kNone, 0, length, 0};
  }
  const std::string_view letters = code.substr(3, 2);
  for (std::string_view family : kFamilyLetters) {
    if (letters == family) return {CodeFormDeviation::kNone, 0, length, 0};
  }
  return At(CodeFormDeviation::kUnknownLetters, code, 3);
}

std::string DescribeCodeForm(const CodeForm& form) {
  switch (form.deviation) {
    case CodeFormDeviation::kNone:
      return {};
    case CodeFormDeviation::kTooShort:
    case CodeFormDeviation::kTooLong:
      return std::to_string(form.length) + (form.length == 1 ? " character" : " characters") +
             ", not 7";
    case CodeFormDeviation::kBlank:
      return "white space at position " + std::to_string(form.position);
    case CodeFormDeviation::kNotADigit:
      return Shown(form.character) + " at position " + std::to_string(form.position) +
             " where a digit belongs";
    case CodeFormDeviation::kUnknownLetters:
      return "positions 4-5 name no antenna family";
    case CodeFormDeviation::kBackFieldLetter:
      return Shown(form.character) + " at position 5 where a back-field letter A-I belongs";
  }
  return {};
}

}  // namespace veltrisko
