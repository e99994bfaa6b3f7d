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

}  // namespace std
#endif
