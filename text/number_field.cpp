// SPDX-License-Identifier: MIT
#include "text/number_field.h"

#include <cctype>
#include <cstdlib>

namespace veltrisko {

std::optional<float> ParseFloatField(const std::string& field) {
  // strtof would skip leading blanks; a field must be the number alone.
  if (field.empty() || std::isspace(static_cast<unsigned char>(field.front()))) {
    return std::nullopt;
  }
  char* end = nullptr;
  const float value = std::strtof(field.c_str(), &end);
  if (end != field.c_str() + field.size()) return std::nullopt;
  return value;
}

}  // namespace veltrisko
