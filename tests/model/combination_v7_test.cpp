// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

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

TEST(CombinedAttenuationV7, PublishedDirections) {
  const DirectionCase cases[] = {
      {"030EA10", "020EA05", 0.0f, 0.0f, 0.0},
      {"030EA10", "020EA05", 30.0f, 0.0f, 3.0103},
      {"030EA10", "020EA05", 0.0f, 30.0f, 5.8735},
      {"030EA10", "020EA05", 0.0f, 180.0f, 26.0206},
      {"030EA10", "020EA05", 30.0f, 30.0f, 8.7027},
      {"030EA10", "020EA05", 90.0f, 45.0f, 24.0357},
      {"030EA10", "020EA05", 200.0f, 20.0f, 21.4542},
      {"030EA10", "020EA05", -160.0f, 20.0f, 21.4542},
      // The azimuth is not reduced: LA mirrors only angles above 180.
      {"120LA10", "020EA05", 90.0f, 20.0f, 3.9420},
      {"120LA10", "020EA05", 270.0f, 20.0f, 3.9420},
      {"120LA10", "020EA05", -90.0f, 20.0f, 3.9420},
      {"120LA10", "020EA05", -270.0f, 20.0f, 21.4542},
      // Backward correction: horizontal back value below, then above the vertical one.
      {"030EA10", "020EB00", 60.0f, 20.0f, 12.2659},
      {"045EC00", "020EA05", 60.0f, 20.0f, 7.2876},
      // The corrected backward value falls below its floor: hAz 0.7071, hBack 0.1,
      // vFwd = vBwd = 0.012123, vBack 1 give vBwd 0.012123 * 0.64734 = 0.00785,
      // raised to 0.01; o = 0.32544, w = 0.011432, z = hAz, l = w.
      {"030EA10", "003DE00", 30.0f, 40.0f, 38.8376},
      // Blend weight: back value 1, 0.95 and 0.5.
      {"030DE00", "020EA05", 60.0f, 20.0f, 10.0937},
      {"095KA00", "020EA05", 60.0f, 20.0f, 3.1209},
      {"050KA00", "020EA05", 60.0f, 20.0f, 4.4578},
      {"000ND00", "020EA05", 60.0f, 20.0f, 3.0103},
      {"030EA10", "000ND00", 60.0f, 20.0f, 6.0707},
      {"030EA10", "100TA05", 30.0f, 10.0f, 6.0203},
      // The vertical code is sampled at the negated elevation.
      {"000ND00", "130VA20", 0.0f, -60.0f, 0.0},
      {"000ND00", "130VA20", 0.0f, 60.0f, 13.9794},
      {"030EA10", "120QQ10", 30.0f, 0.0f, 3.0103},
  };
  for (const DirectionCase& c : cases) {
    SCOPED_TRACE(std::string(c.horizontal) + "/" + c.vertical + " at " + std::to_string(c.azimuth) +
                 "," + std::to_string(c.elevation));
    EXPECT_NEAR(CombinedAttenuationV7(c.azimuth, c.elevation, c.horizontal, c.vertical),
                c.attenuationDb, kDbTolerance);
  }
}

TEST(CombinedAttenuationV7, TaVerticalIsThePlainProduct) {
  const double product =
      ComponentAttenuation("030EA10", 30.0f, true) * ComponentAttenuation("100TA05", -10.0f, true);
  EXPECT_NEAR(CombinedAttenuationV7(30.0f, 10.0f, "030EA10", "100TA05"),
              -20.0 * std::log10(product), 1e-6);
}

TEST(CombinedAttenuationV7, NonDirectionalPairIsZeroEverywhere) {
  for (int az = -180; az <= 180; az += 30) {
    for (int el = -90; el <= 90; el += 30) {
      EXPECT_EQ(CombinedAttenuationV7(static_cast<float>(az), static_cast<float>(el), "000ND00",
                                      "000ND00"),
                0.0)
          << az << "," << el;
    }
  }
}

TEST(CombinedAttenuationV7, BackValueJustBelowOneActsLikeOne) {
  V7Samples samples{0.5f, 1.0f, 0.7f, 0.3f, 0.4f};
  const double exact = CombineV7Samples(60.0f, 20.0f, samples, false);
  samples.hBack = std::nextafter(1.0f, 0.0f);
  EXPECT_NEAR(CombineV7Samples(60.0f, 20.0f, samples, false), exact, 1e-4);
}

std::string MessageOf(const char* horizontal, const char* vertical, float azimuth,
                      float elevation) {
  try {
    CombinedAttenuationV7(azimuth, elevation, horizontal, vertical);
  } catch (const InvalidAntennaCode& e) {
    return e.what();
  }
  return "";
}

TEST(CombinedAttenuationV7, WhichCodeIsReported) {
  const struct {
    const char* horizontal;
    const char* vertical;
    float azimuth;
    float elevation;
    const char* message;
  } cases[] = {
      {"12", "020EA05", 10.0f, 10.0f, "invalid horizontal antenna type"},
      {"030EA10", "1", 10.0f, 10.0f, "invalid vertical antenna type"},
      // Both scans come before any sample; the horizontal one first.
      {"12", "1", 0.0f, 0.0f, "invalid horizontal antenna type"},
      {"066EA00", "1", 10.0f, 10.0f, "invalid vertical antenna type"},
      {"030EA10", "120QQ10", 30.0f, 10.0f, "invalid antenna type"},
      {"066EA00", "020EA05", 30.0f, 10.0f, "invalid antenna type"},
      // A component whose samples are skipped is never evaluated.
      {"030EA10", "120QQ10", 30.0f, 0.0f, ""},
      {"066EA00", "020EA05", 0.0f, 10.0f, ""},
      {"066EA00", "120QQ10", 0.0f, 0.0f, ""},
      // "ND" skips sampling whatever its leading number.
      {"999ND00", "nanND00", 10.0f, 10.0f, ""},
      {"", "020EA05", 0.0f, 0.0f, "invalid horizontal antenna type"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageOf(c.horizontal, c.vertical, c.azimuth, c.elevation), c.message)
        << c.horizontal << "/" << c.vertical << " at " << c.azimuth << "," << c.elevation;
  }
}

TEST(CombinedAttenuationV7, NonFiniteAnglesGiveFortyDb) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float angle : {nan, inf, -inf}) {
    EXPECT_EQ(CombinedAttenuationV7(angle, 0.0f, "030EA10", "020EA05"), 40.0);
    EXPECT_EQ(CombinedAttenuationV7(0.0f, angle, "030EA10", "020EA05"), 40.0);
    EXPECT_EQ(CombinedAttenuationV7(angle, angle, "000ND00", "100TA05"), 40.0);
    EXPECT_THROW(CombinedAttenuationV7(angle, angle, "030EA10", "120QQ10"), InvalidAntennaCode);
  }
}

TEST(CombinedAttenuationV7, EveryResultLiesBetweenZeroAndFortyDb) {
  const char* const codes[] = {"030EA10", "020EA00", "045EC00", "100TA00", "130VA20", "099WA91",
                               "120LA10", "000KA00", "095KA00", "050CB00", "030DE00", "000ND00",
                               "-60LA10", "-99KA00", "030EA-1", "nanEA10"};
  for (const char* h : codes) {
    for (const char* v : codes) {
      for (int az = -360; az <= 360; az += 15) {
        for (int el = -270; el <= 90; el += 15) {
          const double a =
              CombinedAttenuationV7(static_cast<float>(az), static_cast<float>(el), h, v);
          ASSERT_GE(a, 0.0) << h << "/" << v << " " << az << "," << el;
          ASSERT_LE(a, 40.0) << h << "/" << v << " " << az << "," << el;
        }
      }
    }
  }
}

}  // namespace
}  // namespace veltrisko
