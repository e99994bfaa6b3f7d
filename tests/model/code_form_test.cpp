// SPDX-License-Identifier: MIT
#include "model/code_form.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrisko {
namespace {

struct FormCase {
  std::string code;
  CodeFormDeviation deviation;
  std::string description;
};

TEST(CodeForm, NamesTheFirstUnusualThing) {
  const FormCase cases[] = {
      {"030EA10", CodeFormDeviation::kNone, ""},
      {"100TA05", CodeFormDeviation::kNone, ""},
      {"130VA20", CodeFormDeviation::kNone, ""},
      {"205WI31", CodeFormDeviation::kNone, ""},
      {"000ND00", CodeFormDeviation::kNone, ""},
      {"030EA1", CodeFormDeviation::kTooShort, "6 characters, not 7"},
      {"", CodeFormDeviation::kTooShort, "0 characters, not 7"},
      {"030EA10x", CodeFormDeviation::kTooLong, "8 characters, not 7"},
      {"030EA1O", CodeFormDeviation::kNotADigit, "'O' at position 7 where a digit belongs"},
      {"-30EA10", CodeFormDeviation::kNotADigit, "'-' at position 1 where a digit belongs"},
      {"1.5EA10", CodeFormDeviation::kNotADigit, "'.' at position 2 where a digit belongs"},
      {"3e1EA10", CodeFormDeviation::kNotADigit, "'e' at position 2 where a digit belongs"},
      {" 030EA10", CodeFormDeviation::kBlank, "white space at position 1"},
      {"030EA10\t", CodeFormDeviation::kBlank, "white space at position 8"},
      {"030\xC4"
       "A10",
       CodeFormDeviation::kUnknownLetters, "positions 4-5 name no antenna family"},
      {"030ea10", CodeFormDeviation::kUnknownLetters, "positions 4-5 name no antenna family"},
      {"130VJ20", CodeFormDeviation::kBackFieldLetter,
       "'J' at position 5 where a back-field letter A-I belongs"},
      {"12\x01VA20", CodeFormDeviation::kNotADigit,
       "byte 0x01 at position 3 where a digit belongs"},
  };
  for (const FormCase& c : cases) {
    const CodeForm form = CheckCodeForm(c.code);
    EXPECT_EQ(form.deviation, c.deviation) << c.code;
    EXPECT_EQ(form.IsCanonical(), c.deviation == CodeFormDeviation::kNone) << c.code;
    EXPECT_EQ(DescribeCodeForm(form), c.description) << c.code;
  }
}

}  // namespace
}  // namespace veltrisko
