// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace veltrisko {

// Whether a code text is written the way codes are composed: seven characters,
// three digits, the two letters of a family and two digits (a V or W code:
// digit, two digits, V or W, a back-field letter A..I and two digits). The
// model reads many other texts too ("030EA1", "-30EA10", "3e1EA10"); a text
// off this form is most likely a typo, so lists and fields point it out while
// the reading and its numbers stay as they are.
enum class CodeFormDeviation {
  kNone,            // canonical
  kTooShort,        // fewer than seven characters
  kTooLong,         // more than seven characters
  kBlank,           // a blank or other white space at `position`
  kNotADigit,       // a character other than a digit where a digit belongs
  kUnknownLetters,  // positions 4 and 5 name no family
  kBackFieldLetter  // a V or W code whose fifth character is not A..I
};

struct CodeForm {
  CodeFormDeviation deviation = CodeFormDeviation::kNone;
  int position = 0;    // 1-based place of the first unusual character; 0 for a length
  int length = 0;      // the text's length in bytes
  char character = 0;  // the character at `position`, if any

  bool IsCanonical() const { return deviation == CodeFormDeviation::kNone; }
};

CodeForm CheckCodeForm(std::string_view code);

// One English sentence fragment, e.g. "6 characters, not 7" or
// "'O' at position 7 where a digit belongs"; empty for a canonical code.
std::string DescribeCodeForm(const CodeForm& form);

}  // namespace veltrisko
