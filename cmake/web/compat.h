// SPDX-License-Identifier: MIT
// Included before every C++ source of the WebAssembly build. The C++ library
// that comes with Debian's emscripten 3.1.6 lacks two things the code uses:
// std::bit_cast (its compiler has it as a builtin) and std::from_chars for
// double, given here with the native library's (libstdc++'s) results.
#pragma once

#include <version>

#if defined(__cplusplus) && !defined(__cpp_lib_bit_cast)
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <type_traits>

namespace std {

template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}

// chars_format::general: an optional '-', then "inf", "infinity", "nan" or
// "nan(...)" in any case, or digits with at most one point (a digit at least)
// and an exponent only where digits follow its letter and sign. The value is
// strtod's of the matched text (correctly rounded); a result that would be
// infinite or zero from digits that are not is out of range and assigns
// nothing, as libstdc++ does.
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto startsWith = [&](const char* p, const char* word) {
    for (; *word != '\0'; ++p, ++word) {
      if (p == last || (*p | 0x20) != *word) return false;
    }
    return true;
  };
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (startsWith(p, "inf")) {
    value = negative ? -HUGE_VAL : HUGE_VAL;
    return {p + (startsWith(p, "infinity") ? 8 : 3), errc()};
  }
  if (startsWith(p, "nan")) {
    p += 3;
    if (p != last && *p == '(') {
      const char* q = p + 1;
      while (q != last &&
             (isDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) {
        ++q;
      }
      if (q != last && *q == ')') p = q + 1;
    }
    value = negative ? -NAN : NAN;
    return {p, errc()};
  }
  bool anyDigit = false;
  for (; p != last && isDigit(*p); ++p) anyDigit = true;
  if (p != last && *p == '.') {
    for (++p; p != last && isDigit(*p); ++p) anyDigit = true;
  }
  if (!anyDigit) return {first, errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && isDigit(*q)) {
      while (q != last && isDigit(*q)) ++q;
      p = q;
    }
  }
  const string text(first, p);
  errno = 0;
  const double converted = strtod(text.c_str(), nullptr);
  if (errno == ERANGE && (isinf(converted) || converted == 0.0)) {
    return {p, errc::result_out_of_range};
  }
  value = converted;
  return {p, errc()};
}

// std::to_chars for a float in its shortest form (the fewest significant
// digits that read back as the same float, fixed notation unless the
// scientific one is shorter, as the standard asks), and for a double in
// fixed notation with a precision: the two forms the code writes.
inline to_chars_result to_chars(char* first, char* last, float value) {
  char text[64];
  if (isnan(value) || isinf(value)) {
    const int n = snprintf(text, sizeof text, "%s%s", signbit(value) ? "-" : "",
                           isnan(value) ? "nan" : "inf");
    if (n > last - first) return {last, errc::value_too_large};
    for (int i = 0; i < n; ++i) first[i] = text[i];
    return {first + n, errc()};
  }
  int precision = 1;
  for (; precision < 9; ++precision) {
    snprintf(text, sizeof text, "%.*e", precision - 1, static_cast<double>(value));
    if (strtof(text, nullptr) == value) break;
  }
  snprintf(text, sizeof text, "%.*e", precision - 1, static_cast<double>(value));
  // text: [-]d[.ddd]e±XX; the digits without the point and the exponent.
  string sign, digits;
  const char* p = text;
  if (*p == '-') sign = *p++;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exponent = atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int count = static_cast<int>(digits.size());
  string scientific = sign + digits.substr(0, 1);
  if (count > 1) scientific += "." + digits.substr(1);
  char tail[16];
  snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+',
           exponent < 0 ? -exponent : exponent);
  scientific += tail;
  string fixed = sign;
  if (exponent < 0) {
    fixed += "0." + string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else if (exponent + 1 >= count) {
    fixed += digits + string(static_cast<size_t>(exponent + 1 - count), '0');
  } else {
    fixed += digits.substr(0, static_cast<size_t>(exponent + 1)) + "." +
             digits.substr(static_cast<size_t>(exponent + 1));
  }
  const string& chosen = scientific.size() < fixed.size() ? scientific : fixed;
  if (static_cast<ptrdiff_t>(chosen.size()) > last - first) return {last, errc::value_too_large};
  for (size_t i = 0; i < chosen.size(); ++i) first[i] = chosen[i];
  return {first + chosen.size(), errc()};
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
  char text[512];
  const int n = format == chars_format::fixed
                    ? snprintf(text, sizeof text, "%.*f", precision, value)
                    : snprintf(text, sizeof text, "%.*g", precision, value);
  if (n < 0 || n > last - first) return {last, errc::value_too_large};
  for (int i = 0; i < n; ++i) first[i] = text[i];
  return {first + n, errc()};
}

}  // namespace std
#endif
