// SPDX-License-Identifier: MIT
// The cases where C libraries part ways, with what glibc's sscanf makes of
// them (the differential fuzz target code_scan_fuzz checks every other text).
#include "model/code_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace veltrisko {
namespace {

constexpr float kUnset = -7.0f;
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

struct CodeCase {
  const char* text;
  int count;
  float leading;
  const char* letters;
  float trailing;
};

// "%3f%2s%2f", as the antenna code reader scans.
constexpr CodeCase kCodeCases[] = {
    {"030EA10", 3, 30.0f, "EA", 10.0f},
    {"030EA1e", 3, 30.0f, "EA", 1.0f},     // an exponent letter without digits
    {"1e5EA10", 3, 1e5f, "EA", 10.0f},     // an exponent within the width
    {"9e9EA.5", 3, 9e9f, "EA", 0.5f},      // rounded to float once
    {"1e+EA10", 3, 1.0f, "EA", 10.0f},     // an exponent sign without digits
    {"1.EA10", 3, 1.0f, "A1", 0.0f},       // 'E' after the point taken as exponent
    {".5EA10", 3, 0.5f, "A1", 0.0f},       //
    {".e5EA10", 0, kUnset, "??", kUnset},  // a point without digits
    {"0x1EA10", 3, 1.0f, "EA", 10.0f},     // hexadecimal within three characters
    {"0x.EA10", 3, 0.0f, "EA", 10.0f},     // "0x." reads as the 0
    {"-0xEA10", 2, -0.0f, "xE", kUnset},   // no room for the 'x'
    {"0xGEA10", 0, kUnset, "??", kUnset},  // nothing after "0x"
    {"infEA10", 3, kInf, "EA", 10.0f},     //
    {"nAnEA1.", 3, kNan, "EA", 1.0f},      // case-blind words
    {"INfEA+e", 2, kInf, "EA", kUnset},    // a sign and a letter are no number
    {" 30EA10", 3, 30.0f, "A1", 0.0f},     // blanks skipped before the width
    {"+30EA10", 3, 30.0f, "EA", 10.0f},    //
    {"-0EA0x", 2, -0.0f, "A0", kUnset},    //
    {"030E A10", 2, 30.0f, "E", kUnset},   // a string ends at a blank
    {"30", 1, 30.0f, "??", kUnset},        //
    {"-", 0, kUnset, "??", kUnset},        // a sign alone is a mismatch ...
    {"", -1, kUnset, "??", kUnset},        // ... the end before any field is -1
    {"   ", -1, kUnset, "??", kUnset},     //
};

std::uint32_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

TEST(CodeScan, ReadsCodesAsGlibcDoes) {
  for (const CodeCase& c : kCodeCases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    float leading = kUnset;
    float trailing = kUnset;
    char letters[3] = {'?', '?', '\0'};
    // One call after another: a stopped scan assigns nothing more.
    CodeScan scan(c.text);
    const bool leadingRead = scan.Float(3, leading);
    const bool lettersRead = scan.String(2, letters);
    const bool trailingRead = scan.Float(2, trailing);
    EXPECT_EQ(scan.Count(), c.count);
    EXPECT_EQ(leadingRead + lettersRead + trailingRead, std::max(c.count, 0));
    EXPECT_EQ(Bits(leading), Bits(c.leading));
    EXPECT_STREQ(letters, c.letters);
    EXPECT_EQ(Bits(trailing), Bits(c.trailing));
  }
}

struct FieldCase {
  const char* text;
  bool skipFive;  // "%*5s%1d%1d" rather than "%1d%2d"
  int count;
  int first;
  int second;
};

constexpr FieldCase kFieldCases[] = {
    {"123", false, 2, 1, 23},    {"1-2", false, 2, 1, -2},    {"1 2", false, 2, 1, 2},
    {"-1", false, 0, -7, -7},  // the sign fills a width of one
    {"0x12", false, 1, 0, -7},   {"1+", false, 1, 1, -7},     {"", false, -1, -7, -7},
    {"205WA31", true, 2, 3, 1},  {"12 34567", true, 2, 3, 4},  // the skipped string ends at a blank
    {"12345", true, -1, -7, -7},                               // a skipped field assigns nothing
};

TEST(CodeScan, ReadsDigitFieldsAsGlibcDoes) {
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    int first = -7;
    int second = -7;
    CodeScan scan(c.text);
    if (c.skipFive) {
      scan.SkipString(5);
      scan.Int(1, first);
      scan.Int(1, second);
    } else {
      scan.Int(1, first);
      scan.Int(2, second);
    }
    EXPECT_EQ(scan.Count(), c.count);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
  }
}

}  // namespace
}  // namespace veltrisko
