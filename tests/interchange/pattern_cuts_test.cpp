// SPDX-License-Identifier: MIT
#include "interchange/pattern_cuts.h"

#include <gtest/gtest.h>

#include "model/combination.h"

namespace veltrisko {
namespace {

TEST(VerticalCutDirection, FollowsTheVerticalPlaneDownBehindAndUp) {
  struct Case {
    int angle;
    float azimuth;
    float elevation;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{45, 0, -45}, Case{90, 0, -90}, Case{91, 180, -89},
                        Case{180, 180, 0}, Case{269, 180, 89}, Case{270, 0, 90}, Case{359, 0, 1}}) {
    const CutDirection direction = VerticalCutDirection(c.angle);
    EXPECT_EQ(direction.azimuth, c.azimuth) << c.angle;
    EXPECT_EQ(direction.elevation, c.elevation) << c.angle;
  }
}

TEST(CombinedCuts, TakeTheRuleInForceAlongBothCuts) {
  const ParsedAntennaCode horizontal("030EA10");
  const ParsedAntennaCode vertical("130VA20");
  for (CombinationRule rule : {CombinationRule::kV6, CombinationRule::kV7}) {
    const PatternCuts cuts = CombinedCuts(horizontal, vertical, rule);
    EXPECT_NEAR(cuts.horizontal[30], 3.0103, 1e-4);
    EXPECT_NEAR(cuts.horizontal[180], 20.0, 1e-4);
    EXPECT_EQ(cuts.vertical[0], 0.0);
    // The vertical code's second beam (60 degrees) points down under V7, up
    // under V6: vertical angle 60 is down, 300 is up.
    const bool v7 = rule == CombinationRule::kV7;
    EXPECT_NEAR(cuts.vertical[v7 ? 60 : 300], 0.0, 1e-4);
    EXPECT_NEAR(cuts.vertical[v7 ? 300 : 60], 13.9794, 1e-4);
  }
}

TEST(ComponentCut, IsTheComponentAloneAtTheCutAngle) {
  const CutLosses losses = ComponentCut(ParsedAntennaCode("130VA20"));
  EXPECT_NEAR(losses[0], 0.0, 1e-9);
  EXPECT_NEAR(losses[60], 0.0, 1e-9);
  EXPECT_NEAR(losses[300], 13.9794, 1e-4);
  EXPECT_THROW(ComponentCut(ParsedAntennaCode("066EA00")), std::exception);
}

}  // namespace
}  // namespace veltrisko
