// SPDX-License-Identifier: MIT
#include "diagram/drawing.h"

namespace veltrisko {
namespace {

// Advance in ems, a little above that of the widest common sans-serif faces.
double EmsOf(char32_t c) {
  if (c == ' ' || c == '.' || c == ',' || c == ':' || c == ';' || c == '|' || c == '\'' ||
      c == 'i' || c == 'j' || c == 'l' || c == 0xB7)
    return 0.34;
  if (c == '(' || c == ')' || c == '-' || c == 'f' || c == 't' || c == 'r' || c == 'I') return 0.45;
  if (c == 'm' || c == 'M' || c == 'W' || c == 0x2026) return 1.0;
  if (c == 'w') return 0.85;
  if (c >= '0' && c <= '9') return 0.65;
  if (c >= 'a' && c <= 'z') return 0.65;
  if (c >= 'A' && c <= 'Z') return 0.8;
  if (c == 0xB0) return 0.5;
  return 0.9;
}

}  // namespace

double EstimatedTextWidth(const std::string& utf8, double size, bool bold) {
  double ems = 0.0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    ems += EmsOf(c);
    i += static_cast<std::size_t>(length);
  }
  return ems * size * (bold ? 1.1 : 1.0);
}

}  // namespace veltrisko
