// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// The two HCM rules that combine a horizontal and a vertical component.
enum class CombinationRule { kV6, kV7 };

}  // namespace veltrisko
