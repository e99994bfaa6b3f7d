// SPDX-License-Identifier: MIT
// The steps below follow glibc's vfscanf step by step (its field width is
// counted down as each byte is read, and some checks look at the width that
// is left before the byte), since that order decides where a malformed code
// stops.
#include "model/code_scan.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace veltrisko {
namespace {

bool IsBlank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
int Lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

int HexDigitValue(int c) {
  if (IsDigit(c)) return c - '0';
  const int lower = Lower(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Powers of ten that a float holds exactly (5^10 < 2^24).
constexpr float kExactPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                       1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr int kLargestExactPower = 10;

// strtof of the characters a float conversion read (at most three of them, so
// at most three mantissa digits and a one-digit exponent): the longest prefix
// that is a number, correctly rounded. False when no prefix is a number.
bool ConvertFloat(const char* text, float& value) {
  const char* p = text;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  float magnitude = 0.0f;
  if (Lower(p[0]) == 'i' && Lower(p[1]) == 'n' && Lower(p[2]) == 'f') {
    magnitude = std::numeric_limits<float>::infinity();
  } else if (Lower(p[0]) == 'n' && Lower(p[1]) == 'a' && Lower(p[2]) == 'n') {
    magnitude = std::numeric_limits<float>::quiet_NaN();
  } else if (p[0] == '0' && Lower(p[1]) == 'x' &&
             (HexDigitValue(p[2]) >= 0 || (p[2] == '.' && HexDigitValue(p[3]) >= 0))) {
    // Hexadecimal digits, a point and more digits: exact in a float.
    std::uint32_t mantissa = 0;
    int fractionDigits = 0;
    bool afterPoint = false;
    for (p += 2;; ++p) {
      if (*p == '.' && !afterPoint) {
        afterPoint = true;
      } else if (HexDigitValue(*p) >= 0) {
        mantissa = mantissa * 16 + static_cast<std::uint32_t>(HexDigitValue(*p));
        fractionDigits += afterPoint ? 1 : 0;
      } else {
        break;
      }
    }
    magnitude = std::ldexp(static_cast<float>(mantissa), -4 * fractionDigits);
  } else {
    // Decimal: digits, a point, digits (one digit at least), then an exponent
    // only when a digit follows its letter and sign.
    std::uint32_t mantissa = 0;
    int decimalExponent = 0;
    bool anyDigit = false;
    for (; IsDigit(*p); ++p, anyDigit = true) mantissa = mantissa * 10 + (*p - '0');
    if (*p == '.') {
      for (++p; IsDigit(*p); ++p, anyDigit = true) {
        mantissa = mantissa * 10 + (*p - '0');
        --decimalExponent;
      }
    }
    if (!anyDigit) return false;
    if (Lower(*p) == 'e') {
      const char* q = p + 1;
      bool negativeExponent = false;
      if (*q == '+' || *q == '-') negativeExponent = *q++ == '-';
      int exponent = 0;
      for (; IsDigit(*q); ++q) exponent = exponent * 10 + (*q - '0');
      if (IsDigit(p[1]) || ((p[1] == '+' || p[1] == '-') && IsDigit(p[2]))) {
        decimalExponent += negativeExponent ? -exponent : exponent;
      }
    }
    // Mantissa and power are exact floats, so one multiplication or division
    // rounds once, correctly.
    if (mantissa == 0) {
      magnitude = 0.0f;
    } else if (decimalExponent > kLargestExactPower) {
      magnitude = std::numeric_limits<float>::infinity();  // beyond what three characters hold
    } else if (decimalExponent >= 0) {
      magnitude = static_cast<float>(mantissa) * kExactPowersOfTen[decimalExponent];
    } else if (decimalExponent >= -kLargestExactPower) {
      magnitude = static_cast<float>(mantissa) / kExactPowersOfTen[-decimalExponent];
    } else {
      magnitude = 0.0f;  // beyond what three characters hold
    }
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

int CodeScan::Next() {
  const unsigned char c = static_cast<unsigned char>(text_[position_]);
  if (c == 0) return kEnd;
  ++position_;
  return c;
}

void CodeScan::GiveBack(int c) {
  if (c != kEnd) --position_;
}

bool CodeScan::Begin() {
  if (stopped_) return false;
  while (IsBlank(static_cast<unsigned char>(text_[position_]))) ++position_;
  return true;
}

bool CodeScan::InputFailure() {
  stopped_ = true;
  endedBeforeFirst_ = assigned_ == 0;
  return false;
}

bool CodeScan::MatchFailure() {
  stopped_ = true;
  return false;
}

bool CodeScan::Float(ScanWidth<3> fieldWidth, float& value) {
  if (!Begin()) return false;
  int width = fieldWidth.value;
  char read[8] = {};
  int count = 0;
  int c = Next();
  --width;
  if (c == kEnd) return InputFailure();

  bool gotSign = false;
  if (c == '-' || c == '+') {
    gotSign = true;
    read[count++] = static_cast<char>(c);
    if (width == 0 || (c = Next()) == kEnd) return MatchFailure();
    --width;
  }

  // "nan" and "inf" whole within the width; "infinity" cannot fit in three.
  const char* word = Lower(c) == 'n' ? "nan" : Lower(c) == 'i' ? "inf" : nullptr;
  if (word != nullptr) {
    read[count++] = static_cast<char>(c);
    for (const char* letter = word + 1; *letter != '\0'; ++letter) {
      if (width == 0 || (c = Next()) == kEnd || Lower(c) != *letter) return MatchFailure();
      --width;
      read[count++] = static_cast<char>(c);
    }
  } else {
    bool gotDigit = false;
    bool gotPoint = false;
    bool gotExponent = false;
    bool hexadecimal = false;
    int exponentLetter = 'e';
    if (width != 0 && c == '0') {
      read[count++] = static_cast<char>(c);
      c = Next();
      --width;
      if (width != 0 && Lower(c) == 'x') {
        read[count++] = static_cast<char>(c);
        hexadecimal = true;
        exponentLetter = 'p';
        c = Next();
        --width;
      } else {
        gotDigit = true;
      }
    }
    while (true) {
      if (IsDigit(c) || (!gotExponent && hexadecimal && HexDigitValue(c) >= 0)) {
        read[count++] = static_cast<char>(c);
        gotDigit = true;
      } else if (gotExponent && read[count - 1] == exponentLetter && (c == '-' || c == '+')) {
        read[count++] = static_cast<char>(c);
      } else if (gotDigit && !gotExponent && Lower(c) == exponentLetter) {
        read[count++] = static_cast<char>(exponentLetter);
        gotExponent = gotPoint = true;
      } else if (!gotPoint && c == '.') {
        read[count++] = '.';
        gotPoint = true;
      } else {
        GiveBack(c);
        break;
      }
      if (width == 0 || (c = Next()) == kEnd) break;
      --width;
    }
    // Nothing but a sign, or nothing but "0x".
    if (count == (gotSign ? 1 : 0) || (hexadecimal && count == (gotSign ? 3 : 2))) {
      return MatchFailure();
    }
  }
  float converted = 0.0f;
  if (!ConvertFloat(read, converted)) return MatchFailure();
  value = converted;
  ++assigned_;
  return true;
}

bool CodeScan::Int(ScanWidth<9> fieldWidth, int& value) {
  if (!Begin()) return false;
  int width = fieldWidth.value;
  int c = Next();
  if (c == kEnd) return InputFailure();
  bool negative = false;
  if (c == '-' || c == '+') {
    negative = c == '-';
    --width;
    c = Next();
  }
  int digits = 0;
  int magnitude = 0;
  while (c != kEnd && width != 0 && IsDigit(c)) {
    magnitude = magnitude * 10 + (c - '0');
    ++digits;
    --width;
    c = Next();
  }
  GiveBack(c);
  if (digits == 0) return MatchFailure();
  value = negative ? -magnitude : magnitude;
  ++assigned_;
  return true;
}

bool CodeScan::String(ScanWidth<9> fieldWidth, char* letters) {
  if (!Begin()) return false;
  int c = Next();
  if (c == kEnd) return InputFailure();
  int width = fieldWidth.value;
  int count = 0;
  do {
    if (IsBlank(c)) {
      GiveBack(c);
      break;
    }
    if (letters != nullptr) letters[count] = static_cast<char>(c);
    ++count;
  } while (--width > 0 && (c = Next()) != kEnd);
  if (letters == nullptr) return true;
  letters[count] = '\0';
  ++assigned_;
  return true;
}

bool CodeScan::SkipString(ScanWidth<9> width) { return String(width, nullptr); }

}  // namespace veltrisko
