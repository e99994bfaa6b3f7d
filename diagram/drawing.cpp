// SPDX-License-Identifier: MIT
#include "diagram/drawing.h"

#include <algorithm>

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

std::vector<const Label*> LabelsOf(const Drawing& drawing, LabelRole role) {
  std::vector<const Label*> labels;
  for (const Shape& shape : drawing.shapes)
    if (const auto* label = std::get_if<Label>(&shape); label && label->role == role)
      labels.push_back(label);
  return labels;
}

std::string ElideToWidth(const std::string& text, int maxWidth,
                         const std::function<int(const std::string&)>& width) {
  if (maxWidth <= 0 || width(text) <= maxWidth) return text;
  // The starts of the UTF-8 characters.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  starts.push_back(text.size());
  const std::size_t characters = starts.size() - 1;
  // Keep the last eight characters (".msi" and a little of the name) and as
  // much of the start as fits; then fewer at the end too.
  for (std::size_t tail = std::min<std::size_t>(8, characters);; --tail) {
    for (std::size_t head = characters - tail; head-- > 0;) {
      const std::string shortened =
          text.substr(0, starts[head]) + "…" + text.substr(starts[characters - tail]);
      if (width(shortened) <= maxWidth) return shortened;
    }
    if (tail == 0) break;
  }
  return "…";
}

}  // namespace veltrisko
