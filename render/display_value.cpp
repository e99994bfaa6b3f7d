#include "render/display_value.h"

#include <cmath>

namespace veltrisko {

float DisplayValue(float attenuationDb, float displayRange) {
  if (displayRange == 0.0f) {
    // The factor -0.1 is a single-precision constant, multiplied in float.
    const float exponent = attenuationDb * -0.1f;
    return static_cast<float>(std::pow(10.0, static_cast<double>(exponent)));
  }
  const float share = (displayRange - attenuationDb) / displayRange;
  return share < 0.0f ? 0.0f : share;
}

}  // namespace veltrisko
