// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "model/combination.h"
#include "model/combination_parts.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "tests/model/evaluation_outcome.h"

namespace veltrisko {
namespace {

TEST(CombinedAttenuationV6, PublishedDirections) {
  const DirectionCase cases[] = {
      {"030EA10", "020EA05", 0.0f, 0.0f, 0.0},
      {"030EA10", "020EA05", 30.0f, 0.0f, 3.0103},
      {"030EA10", "020EA05", 180.0f, 0.0f, 20.0},
      {"030EA10", "020EA05", 0.0f, 30.0f, 5.8735},
      {"030EA10", "020EA05", 0.0f, 180.0f, 26.0206},
      {"030EA10", "020EA05", -90.0f, 0.0f, 20.0},
      {"030EA10", "020EA05", 270.0f, 0.0f, 20.0},
      {"030EA10", "020EA05", 750.0f, -360.0f, 3.0103},
      {"030EA10", "020EA05", 30.0f, 30.0f, 7.4227},
      {"030EA10", "020EA05", 90.0f, 90.0f, 23.0103},
      {"120LA10", "020EA05", 90.0f, 20.0f, 5.5113},
      {"120LA10", "020EA05", 270.0f, 20.0f, 5.5113},
      {"120LA10", "020EA05", -90.0f, 20.0f, 5.5113},
      {"120LA10", "020EA05", -270.0f, 20.0f, 5.5113},
      // The side is kept for codes that are not symmetric about the axis.
      {"130VA20", "000ND00", 60.0f, 0.0f, 0.0},
      {"130VA20", "000ND00", -60.0f, 0.0f, 13.9794},
      {"130VA20", "000ND00", 300.0f, 0.0f, 13.9794},
      {"000ND00", "130VA20", 0.0f, 60.0f, 0.0},
      {"000ND00", "130VA20", 0.0f, -60.0f, 13.9794},
  };
  for (const DirectionCase& c : cases) {
    SCOPED_TRACE(std::string(c.horizontal) + "/" + c.vertical + " at " + std::to_string(c.azimuth) +
                 "," + std::to_string(c.elevation));
    EXPECT_NEAR(CombinedAttenuationV6(c.azimuth, c.elevation, c.horizontal, c.vertical),
                c.attenuationDb, kDbTolerance);
  }
}

TEST(CombinedAttenuationV6, TotalAngleAndComponentsOfAnObliqueDirection) {
  const V6Direction direction = ReduceV6Direction(30.0f, 30.0f);
  EXPECT_NEAR(direction.horizontalAngle, 41.4096, 5e-5);
  EXPECT_NEAR(-ComponentAttenuation("030EA10", direction.horizontalAngle, false), 5.3797, 5e-5);
  EXPECT_NEAR(-ComponentAttenuation("020EA05", direction.verticalAngle, false), 9.4656, 5e-5);
}

// The rule shares work between its two components (one cosine when both are
// sampled at the same angle); it must still give exactly what its parts give.
TEST(CombinedAttenuationV6, EqualsItsPartsBitForBit) {
  const char* const codes[] = {"030EA10", "020EA05", "045EB05", "096EC12", "065DE25",
                               "060LA05", "050KA00", "050CC00", "100TA05", "000ND00",
                               "130VA20", "099WA91", "nanEA10", "066EA00"};
  const float angles[] = {0.0f,   -0.0f,   37.0f,  -37.0f, 150.0f, -150.0f, 180.0f,
                          200.0f, -200.0f, 359.9f, 1e7f,   -1e7f,  1e-30f,  std::nanf("")};
  for (const char* h : codes) {
    for (const char* v : codes) {
      for (float az : angles) {
        for (float el : angles) {
          const auto parts = [&] {
            const V6Direction d = ReduceV6Direction(az, el);
            const auto att1 =
                static_cast<float>(-ComponentAttenuation(h, d.horizontalAngle, false));
            const auto att2 = static_cast<float>(-ComponentAttenuation(v, d.verticalAngle, false));
            return CombineV6Attenuations(d.azimuth, d.elevation, att1, att2);
          };
          ASSERT_EQ(Outcome([&] { return CombinedAttenuationV6(az, el, h, v); }), Outcome(parts))
              << h << "/" << v << " at " << az << "," << el;
        }
      }
    }
  }
}

TEST(CombinedAttenuationV6, NearlyEqualAttenuationsYieldTheHorizontalOneUnchanged) {
  EXPECT_EQ(CombineV6Attenuations(30.0f, 60.0f, 10.0f, 10.00005f), 10.0f);
  EXPECT_EQ(CombineV6Attenuations(30.0f, 60.0f, 10.00005f, 10.0f), 10.00005f);
  // A larger difference is weighted: (10·30 + 10.0003·60) / 90.
  EXPECT_NEAR(CombineV6Attenuations(30.0f, 60.0f, 10.0f, 10.0003f), 10.0002, 2e-6);
}

TEST(CombinedAttenuationV6, WeightedMeanFromEitherSide) {
  // Both branches are (att1·az + att2·el) / (az + el).
  EXPECT_NEAR(CombineV6Attenuations(30.0f, 10.0f, 20.0f, 4.0f), 16.0, 1e-5);
  EXPECT_NEAR(CombineV6Attenuations(30.0f, 10.0f, 4.0f, 20.0f), 8.0, 1e-5);
  EXPECT_EQ(CombineV6Attenuations(90.0f, 90.0f, 45.0f, 55.0f), 40.0f);
}

TEST(CombinedAttenuationV6, InvalidCodesThrowInvalidAntennaType) {
  const char* const pairs[][2] = {
      {"066EA00", "066EA00"}, {"066EA00", "020EA05"}, {"030EA10", "066EA00"}, {"12", "1"}};
  for (const auto& pair : pairs) {
    try {
      CombinedAttenuationV6(10.0f, 10.0f, pair[0], pair[1]);
      ADD_FAILURE() << pair[0] << "/" << pair[1] << " accepted";
    } catch (const InvalidAntennaCode& e) {
      EXPECT_STREQ(e.what(), "invalid antenna type");
    }
  }
}

TEST(ReduceByWholeTurns, ReducesIntoOneTurn) {
  const struct {
    float angle;
    float reduced;
  } cases[] = {{0.0f, 0.0f},
               {359.5f, 359.5f},
               {360.0f, 0.0f},
               {750.0f, 30.0f},
               {-360.0f, 0.0f},
               {-90.0f, 270.0f},
               {-1e-6f, 0.0f},
               {1e6f, 280.0f},
               {-1e6f, 80.0f},
               {1e7f, 280.0f},
               {1e30f, std::fmod(1e30f, 360.0f)}};
  for (const auto& c : cases) EXPECT_EQ(ReduceByWholeTurns(c.angle), c.reduced) << c.angle;
}

TEST(ReduceByWholeTurns, HugeAnglesFinishInsideOneTurn) {
  for (float angle : {1e30f, -1e30f, FLT_MAX, -FLT_MAX, 3.3e9f, -7.7e12f, 1.0000001e6f}) {
    const float reduced = ReduceByWholeTurns(angle);
    EXPECT_GE(reduced, 0.0f) << angle;
    EXPECT_LT(reduced, 360.0f) << angle;
  }
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_TRUE(std::isnan(ReduceByWholeTurns(inf)));
  EXPECT_TRUE(std::isnan(ReduceByWholeTurns(-inf)));
  EXPECT_TRUE(std::isnan(ReduceByWholeTurns(std::nanf(""))));
}

TEST(CombinedAttenuationV6, HugeAnglesActLikeTheirReducedAngle) {
  const float huge = 1e30f;
  EXPECT_EQ(CombinedAttenuationV6(huge, -huge, "030EA10", "020EA05"),
            CombinedAttenuationV6(ReduceByWholeTurns(huge), ReduceByWholeTurns(-huge), "030EA10",
                                  "020EA05"));
}

TEST(CombinedAttenuationV6, NonFiniteAnglesGiveFortyDbAfterCheckingTheCodes) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float angle : {nan, inf, -inf}) {
    EXPECT_EQ(CombinedAttenuationV6(angle, 0.0f, "030EA10", "020EA05"), 40.0f);
    EXPECT_EQ(CombinedAttenuationV6(0.0f, angle, "000ND00", "000ND00"), 40.0f);
    EXPECT_THROW(CombinedAttenuationV6(angle, angle, "030EA10", "066EA00"), InvalidAntennaCode);
  }
}

TEST(CombinedAttenuationV6, OnTheAxisUnequalAttenuationsGiveTheirMean) {
  // Only an LA code with a negative half-power angle is off on the axis.
  EXPECT_EQ(CombinedAttenuationV6(0.0f, 0.0f, "-60LA10", "030EA00"), 10.0f);
  EXPECT_EQ(CombinedAttenuationV6(360.0f, -360.0f, "030EA00", "-60LA10"), 10.0f);
}

TEST(CombinedAttenuationV6, EveryResultIsAtMostFortyDb) {
  const char* const codes[] = {"030EA10", "020EA00", "045EC00", "100TA00", "130VA20",
                               "099WA91", "-60LA10", "000KA00", "050CB00", "000ND00"};
  for (const char* h : codes) {
    for (const char* v : codes) {
      for (int az = -360; az <= 360; az += 15) {
        for (int el = -270; el <= 90; el += 15) {
          const float a =
              CombinedAttenuationV6(static_cast<float>(az), static_cast<float>(el), h, v);
          ASSERT_LE(a, 40.0f) << h << "/" << v << " " << az << "," << el;
          ASSERT_FALSE(std::isnan(a));
        }
      }
    }
  }
}

}  // namespace
}  // namespace veltrisko
