// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace veltrisko::tool {

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// Windows-1252 text as UTF-8; the five bytes the code page leaves undefined
// become the C1 controls of the same value, so nothing is lost.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace veltrisko::tool
