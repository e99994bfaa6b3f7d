// SPDX-License-Identifier: MIT
#include "render/false_colour.h"

namespace veltrisko {
namespace {

struct ColourStop {
  float value;
  int red, green, blue;
};

constexpr ColourStop kStops[4] = {
    {0.0f, 64, 64, 255},
    {0.5f, 64, 255, 64},
    {0.75f, 255, 255, 64},
    {1.0f, 255, 64, 64},
};
constexpr int kLastSegment = 2;

// The product is truncated toward zero before it is added, so a falling
// channel rounds toward the lower stop's level.
int Blend(int lower, int upper, double fraction) {
  return lower + static_cast<int>(fraction * (upper - lower));
}

}  // namespace

Colour FalseColourOf(float value) {
  int segment = 0;
  while (value > kStops[segment + 1].value && segment != kLastSegment) ++segment;
  const ColourStop& lower = kStops[segment];
  const ColourStop& upper = kStops[segment + 1];
  // A NaN compares with nothing and so lands on the lower stop.
  if (!(value >= lower.value)) {
    value = lower.value;
  } else if (value > upper.value) {
    value = upper.value;
  }
  const double fraction = (static_cast<double>(value) - lower.value) / (upper.value - lower.value);
  const int red = Blend(lower.red, upper.red, fraction);
  const int green = Blend(lower.green, upper.green, fraction);
  const int blue = Blend(lower.blue, upper.blue, fraction);
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
         static_cast<Colour>(blue) << 16;
}

}  // namespace veltrisko
