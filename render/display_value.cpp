// SPDX-License-Identifier: MIT
#include "render/display_value.h"

#include <cmath>

namespace veltrisko {

float DisplayValue(float attenuationDb, float displayRange) {
  if (displayRange == 0.0f) {
    // Only the factor -0.1 is single precision; the product is taken in
    // double like every other formula.
    const double exponent = static_cast<double>(attenuationDb) * static_cast<double>(-0.1f);
    return static_cast<float>(std::pow(10.0, exponent));
  }
  const double share =
      (static_cast<double>(displayRange) - static_cast<double>(attenuationDb)) / displayRange;
  return share < 0.0 ? 0.0f : static_cast<float>(share);
}

}  // namespace veltrisko
