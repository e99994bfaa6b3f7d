// SPDX-License-Identifier: MIT
#include "app/logic/readout_view.h"

#include <gtest/gtest.h>

#include "app/logic/code_feedback.h"

namespace veltrisko {
namespace {

TEST(IsClick, AllowsThreePixelsOfMovementInAll) {
  struct Case {
    int dx, dy;
    bool click;
  };
  const Case cases[] = {{0, 0, true},   {3, 0, true},  {-1, 2, true},
                        {0, -4, false}, {2, 2, false}, {-3, 1, false}};
  for (const Case& c : cases) EXPECT_EQ(IsClick(c.dx, c.dy), c.click) << c.dx << "," << c.dy;
}

TEST(CodeFieldTint, OrangeWhileNotInForceRedWhenRejected) {
  EXPECT_FALSE(CodeFieldTint(CodeFieldState::kInForce).has_value());
  EXPECT_EQ(CodeFieldTint(CodeFieldState::kNotInForce), Colour{0xB3ECFF});  // (255, 236, 179)
  EXPECT_EQ(CodeFieldTint(CodeFieldState::kRejected), Colour{0xCDCDFF});    // (255, 205, 205)
}

TEST(CopiedReadoutText, AddsTheCodesAndTheRule) {
  EXPECT_EQ(CopiedReadoutText("Azimut: 10,0°\nDämpfung V7: 3,21 dB", "030EA10", "020EA05", true),
            "Azimut: 10,0°\nDämpfung V7: 3,21 dB\nCodes: 030EA10 / 020EA05, HCM V7\n");
  EXPECT_EQ(CopiedReadoutText("a\n", "030EA10", "020EA05", false),
            "a\nCodes: 030EA10 / 020EA05, HCM V6\n");
  EXPECT_EQ(CopiedReadoutText("", "030EA10", "020EA05", true), "");
}

}  // namespace
}  // namespace veltrisko
