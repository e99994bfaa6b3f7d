// SPDX-License-Identifier: MIT
#include "text/percent_decoding.h"

namespace veltrisko {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> PercentDecode(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      text.push_back(field[i]);
      continue;
    }
    if (i + 2 >= field.size()) return std::nullopt;
    const int high = HexDigitValue(field[i + 1]);
    const int low = HexDigitValue(field[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const int byte = high * 16 + low;
    if (byte == 0) break;
    text.push_back(static_cast<char>(byte));
    i += 2;
  }
  return text;
}

}  // namespace veltrisko
