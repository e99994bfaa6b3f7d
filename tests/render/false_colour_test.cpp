// SPDX-License-Identifier: MIT
#include "render/false_colour.h"

#include <gtest/gtest.h>

#include <limits>

#include "render/display_value.h"

namespace veltrisko {
namespace {

TEST(FalseColour, MapsValuesOntoTheFourStopScale) {
  struct Row {
    float value;
    int red, green, blue;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  const Row rows[] = {
      {-0.2f, 64, 64, 255},     {0.0f, 64, 64, 255},     {0.1f, 64, 102, 217},
      {0.25f, 64, 159, 160},    {0.5f, 64, 255, 64},     {0.6f, 140, 255, 64},
      {0.75f, 255, 255, 64},    {0.875f, 255, 160, 64},  {0.9f, 255, 141, 64},
      {1.0f, 255, 64, 64},      {1.5f, 255, 64, 64},     {nan, 64, 64, 255},
      {-infinity, 64, 64, 255}, {infinity, 255, 64, 64},
  };
  for (const Row& row : rows) {
    const Colour colour = FalseColourOf(row.value);
    EXPECT_EQ(RedOf(colour), row.red) << row.value;
    EXPECT_EQ(GreenOf(colour), row.green) << row.value;
    EXPECT_EQ(BlueOf(colour), row.blue) << row.value;
    EXPECT_EQ(colour >> 24, 0u) << row.value;
  }
}

TEST(FalseColour, PacksRedInTheLowByteAndBlueInTheThird) {
  EXPECT_EQ(FalseColourOf(0.0f), 0x00FF4040u);
  EXPECT_EQ(FalseColourOf(0.5f), 0x0040FF40u);
  EXPECT_EQ(FalseColourOf(1.0f), 0x004040FFu);
}

// The display value feeds the scale. Both forms run in double and round
// once: float arithmetic lands one unit in the last place off for these.
TEST(DisplayValue, IsComputedInDoubleAndRoundedOnce) {
  struct Row {
    float attenuationDb, displayRange, expected;
  };
  const Row rows[] = {
      {0.0f, 0, 1.0f},  {7.0f, 0, 0x1.98a134p-3f}, {4.5f, 0, 0x1.6b5434p-2f}, {0.3f, 3, 0.9f},
      {1.3f, 5, 0.74f}, {-4.0f, 40, 1.1f},         {40.0f, 40, 0.0f},         {55.5f, 40, 0.0f},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DisplayValue(row.attenuationDb, row.displayRange), row.expected)
        << row.attenuationDb << " dB, range " << row.displayRange;
  }
}

}  // namespace
}  // namespace veltrisko
