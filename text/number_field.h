// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace veltrisko {

// A single-precision number read with strtof that spans the whole field
// (no blanks around it); nothing for anything else.
std::optional<float> ParseFloatField(const std::string& field);

}  // namespace veltrisko
