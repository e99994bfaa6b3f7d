// SPDX-License-Identifier: MIT
#include "dialog/slider_value_text.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

struct ValueCase {
  int typeIndex;
  PanelSlider slider;
  int position;
  const char* text;
};

// One type of each family, every slider it shows, and the ones it hides.
TEST(SliderValueText, NamesTheValueInTheUnitOfTheType) {
  const ValueCase cases[] = {
      {0, PanelSlider::kType, 0, "ND – ungerichtet"},
      {0, PanelSlider::kP1, 30, ""},
      {0, PanelSlider::kP3, 10, ""},
      {1, PanelSlider::kType, 1, "EA – gerichtet"},
      {1, PanelSlider::kP1, 30, "30°"},
      {1, PanelSlider::kP2, 30, ""},
      {1, PanelSlider::kP3, 10, "10 %"},
      {1, PanelSlider::kP4, 3, ""},
      {6, PanelSlider::kP1, 25, "25 %"},
      {10, PanelSlider::kType, 10, "VA – Doppelstrahl, Rückfeld 0"},
      {10, PanelSlider::kP1, 3, "Stufe 3 (30°)"},
      {10, PanelSlider::kP2, 30, "30°"},
      {10, PanelSlider::kP3, 20, "20 %"},
      {10, PanelSlider::kP4, 1, ""},
      {20, PanelSlider::kType, 20, "WB – Doppelstrahl, Rückfeld 0,05"},
      {21, PanelSlider::kType, 21, "WC – Doppelstrahl, Rückfeld 0,1"},
      {19, PanelSlider::kP1, 0, "Stufe 0 (15°)"},
      {19, PanelSlider::kP3, 3, "Stufe 3 (15 %)"},
      {19, PanelSlider::kP4, 9, "Stufe 9 (80 %)"},
      {28, PanelSlider::kP1, 89, "8,9°"},
      {28, PanelSlider::kP1, 890, "89,0°"},
      {28, PanelSlider::kP3, 5, "5 %"},
      {29, PanelSlider::kP1, 5, ""},
      {-1, PanelSlider::kType, 0, ""},
  };
  for (const ValueCase& c : cases) {
    EXPECT_EQ(SliderValueText(c.typeIndex, c.slider, c.position), c.text)
        << "type " << c.typeIndex << " slider " << static_cast<int>(c.slider);
  }
}

TEST(SliderValueText, DbRangeIsNegativeWithATypographicMinus) {
  EXPECT_EQ(DbRangeValueText(40), "\u221240 dB");
  EXPECT_EQ(DbRangeValueText(1), "\u22121 dB");
}

}  // namespace
}  // namespace veltrisko
