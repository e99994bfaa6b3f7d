#include "render/false_colour.h"

#include <gtest/gtest.h>

#include <limits>

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

}  // namespace
}  // namespace veltrisko
