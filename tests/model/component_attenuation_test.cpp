// SPDX-License-Identifier: MIT
#include "model/component_attenuation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/invalid_antenna_code.h"
#include "tests/model/evaluation_outcome.h"

namespace veltrisko {
namespace {

// Published values are rounded to four decimals.
// 5e-5 dB is a relative field error of about 5.8e-6.
constexpr double kRelativeFieldTolerance = 6e-6;

struct GainCase {
  const char* code;
  float angle;
  double gainDb;
};

void ExpectGains(const std::vector<GainCase>& cases) {
  for (const GainCase& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " at " + std::to_string(c.angle));
    EXPECT_NEAR(ComponentAttenuation(c.code, c.angle, false), c.gainDb, kDbTolerance);
    const double field = std::pow(10.0, c.gainDb / 20.0);
    EXPECT_NEAR(ComponentAttenuation(c.code, c.angle, true), field,
                field * kRelativeFieldTolerance);
  }
}

TEST(ComponentAttenuation, EaFamily) {
  ExpectGains({{"030EA00", 0.0f, 0.0},
               {"030EA00", 30.0f, -3.0103},
               {"030EA10", 180.0f, -20.0},
               {"030EA00", 180.0f, -40.0},
               {"030EA00", 90.0f, -40.0},
               {"-30EA00", 30.0f, -3.0103}});
}

TEST(ComponentAttenuation, EbAndEcFamilies) {
  ExpectGains({{"045EB00", 180.0f, -13.9794},
               {"045EC00", 180.0f, -7.9588},
               {"045EB00", 0.0f, 0.0},
               {"045EC00", 0.0f, 0.0},
               {"045EB00", 45.0f, -3.0103},
               {"045EC00", 45.0f, -3.0103},
               {"045EB30", 180.0f, -10.4576}});
}

TEST(ComponentAttenuation, DeFamilyIsMirroredToTheBack) {
  ExpectGains({{"030DE00", 180.0f, 0.0},
               {"030DE00", 90.0f, -40.0},
               {"030DE00", 30.0f, -3.0103},
               {"030DE00", 150.0f, -3.0103}});
}

TEST(ComponentAttenuation, LaFamily) {
  ExpectGains({{"060LA00", 60.0f, -3.0103},
               {"060LA00", 89.9f, -40.0},
               {"060LA00", 90.0f, -40.0},
               {"060LA05", 90.0f, -26.0206},
               {"060LA00", 300.0f, -3.0103},
               {"060LA00", -60.0f, -3.0103},
               {"060LA00", 0.0f, 0.0}});
}

TEST(ComponentAttenuation, LaWithNegativeHalfPowerAngleGivesTheFloorEverywhere) {
  for (float angle : {0.0f, 10.0f, 180.0f, -30.0f}) {
    EXPECT_EQ(ComponentAttenuation("-60LA10", angle, false), 20.0 * std::log10(0.1)) << angle;
  }
}

TEST(ComponentAttenuation, KaFamily) {
  ExpectGains({{"050KA00", 180.0f, -6.0206},
               {"050KA00", 90.0f, -3.0103},
               {"050KA00", 0.0f, 0.0},
               {"000KA00", 180.0f, -40.0}});
}

TEST(ComponentAttenuation, CaCbCcFamilies) {
  ExpectGains({{"050CA00", 90.0f, -6.0206},
               {"050CA00", 180.0f, 0.0},
               {"050CA00", 270.0f, -6.0206},
               {"050CB00", 60.0f, -6.0206},
               {"050CB00", 180.0f, -6.0206},
               {"050CB00", 120.0f, 0.0},
               {"050CC00", 45.0f, -6.0206},
               {"050CC00", 180.0f, 0.0}});
}

TEST(ComponentAttenuation, TaFamily) {
  ExpectGains({{"100TA00", 90.0f, -40.0}, {"100TA20", 90.0f, -13.9794}, {"100TA00", 0.0f, 0.0}});
  EXPECT_NEAR(ComponentAttenuation("100TA00", 10.0f, false), -3.01, 1e-12);
}

TEST(ComponentAttenuation, NonDirectionalFamiliesGiveZeroDbEverywhere) {
  for (const char* code : {"000ND00", "000XX00", "123ND45"}) {
    for (float angle : {0.0f, 45.0f, 90.0f, 180.0f, -135.0f, 1000.0f}) {
      EXPECT_EQ(ComponentAttenuation(code, angle, false), 0.0) << code << " " << angle;
      EXPECT_EQ(ComponentAttenuation(code, angle, true), 1.0) << code << " " << angle;
    }
  }
}

TEST(ComponentAttenuation, VFamily) {
  ExpectGains({{"130VA20", 0.0f, 0.0},
               {"130VA20", 60.0f, 0.0},
               {"130VA20", 30.0f, -5.8735},
               {"130VA20", 180.0f, -13.9794},
               {"130VA20", -60.0f, -13.9794},
               {"130VA20", 20.0f, -3.0103}});
}

TEST(ComponentAttenuation, WFamilySectorFloors) {
  ExpectGains({{"099WA91", 90.0f, -7.9588},
               {"099WA91", -90.0f, -6.9357},
               {"099WA91", 250.0f, -6.9357},
               {"045WA09", 45.0f, -1.9382},
               {"045WA00", -90.0f, -40.0}});
}

TEST(ComponentAttenuation, VBackFieldLetterSetsTheFieldBehind) {
  // No floor: the back value is the letter's, 'A' standing for 0.00001.
  const struct {
    const char* code;
    double field;
  } cases[] = {{"000VB00", 0.05}, {"000VE00", 0.2}, {"900VI00", 0.4}, {"000VA00", 0.01}};
  for (const auto& c : cases) {
    EXPECT_NEAR(ComponentAttenuation(c.code, 180.0f, true), c.field, 1e-6) << c.code;
  }
}

TEST(ComponentAttenuation, RejectedCodes) {
  for (const char* code :
       {"066EA00", "000EA10", "080EB00", "097EC00", "000LA00", "121LA00", "101KA00",
        "000TA00", "891TA00", "130VJ20", "130QQ20", "066DE00", "101CA00", "101CB00",
        "101CC00", "130Va20", "",        "12",      "030ea00", "030EA",   "1W",
        "1V 5",    "0x1EA",   "A30VA20", "-05TA00", "infEA10", "-inEA10"}) {
    SCOPED_TRACE(code);
    for (bool linear : {true, false}) {
      try {
        ComponentAttenuation(code, 10.0f, linear);
        ADD_FAILURE() << "accepted";
      } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "invalid antenna type");
        EXPECT_NE(dynamic_cast<const InvalidAntennaCode*>(&e), nullptr);
      }
    }
  }
}

TEST(ComponentAttenuation, AcceptedLimits) {
  for (const char* code : {"065EA00", "079EB00", "096EC00", "120LA00", "100KA00", "001TA00",
                           "890TA00", "065DE00", "100CA00", "-99KA00", "-70EA00", "0x1EA10"}) {
    EXPECT_NO_THROW(ComponentAttenuation(code, 10.0f, true)) << code;
  }
}

TEST(ComponentAttenuation, LargestFieldAtUpperLimitsIsOneOnTheAxis) {
  for (const char* code : {"065EA00", "079EB00", "096EC00", "065DE00"}) {
    double largest = 0.0;
    for (int tenth = -1800; tenth <= 1800; ++tenth) {
      const double field = ComponentAttenuation(code, tenth * 0.1f, true);
      largest = std::max(largest, field);
    }
    EXPECT_EQ(largest, 1.0) << code;
    EXPECT_EQ(ComponentAttenuation(code, 0.0f, true), 1.0) << code;
  }
}

TEST(ComponentAttenuation, OddTextsFollowTheFormattedInputRules) {
  // The first field stops after three characters, so 'E' is no exponent.
  EXPECT_NEAR(ComponentAttenuation("030EA10", 30.0f, false), -3.0103, kDbTolerance);
  EXPECT_NEAR(ComponentAttenuation("030EA10junk", 30.0f, false), -3.0103, kDbTolerance);
  // The width counts after a skipped blank: " 30E" is the number, "A1" the letters.
  EXPECT_THROW(ComponentAttenuation(" 30EA10", 30.0f, false), InvalidAntennaCode);
  // A blank after "E" ends the letters and leaves too few fields.
  EXPECT_THROW(ComponentAttenuation("030E A10", 30.0f, false), InvalidAntennaCode);
  // "nan" as a leading number passes the range checks; every angle then
  // gives the floor.
  EXPECT_EQ(ComponentAttenuation("nanEA10", 0.0f, true), 0.1);
  EXPECT_EQ(ComponentAttenuation("nanLA10", 0.0f, true), 0.1);
  EXPECT_EQ(ComponentAttenuation("nanKA10", 0.0f, true), 0.1);
  EXPECT_EQ(ComponentAttenuation("nanTA10", 10.0f, true), 0.1);
  EXPECT_EQ(ComponentAttenuation("nanTA10", 0.0f, true), 1.0);
  // A negative floor lets the field fall below 0.01, where both outputs clamp.
  EXPECT_EQ(ComponentAttenuation("030EA-1", 180.0f, true), 0.01);
  EXPECT_EQ(ComponentAttenuation("030EA-1", 180.0f, false), -40.0);
}

TEST(ComponentAttenuation, NonFiniteAnglesGiveTheFloorOrTheNonDirectionalField) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* code;
    double field;
  } cases[] = {{"030EA10", 0.1},  {"045EB20", 0.2},  {"045EC00", 0.01}, {"030DE05", 0.05},
               {"060LA10", 0.1},  {"050KA15", 0.15}, {"050CA10", 0.1},  {"050CB10", 0.1},
               {"050CC10", 0.1},  {"100TA00", 0.01}, {"100TA20", 0.2},  {"130VA20", 0.2},
               {"099WA91", 0.45}, {"000ND00", 1.0},  {"000XX00", 1.0}};
  for (const auto& c : cases) {
    for (float angle : {nan, inf, -inf}) {
      EXPECT_NEAR(ComponentAttenuation(c.code, angle, true), c.field, 1e-7)
          << c.code << " at " << angle;
      EXPECT_FALSE(std::isnan(ComponentAttenuation(c.code, angle, false))) << c.code;
    }
  }
}

TEST(ComponentAttenuation, SameCallGivesTheSameValueWhateverCameBefore) {
  const double first = ComponentAttenuation("045EC10", 33.3f, false);
  ComponentAttenuation("099WA91", 90.0f, true);
  EXPECT_THROW(ComponentAttenuation("066EA00", 10.0f, true), InvalidAntennaCode);
  EXPECT_EQ(ComponentAttenuation("045EC10", 33.3f, false), first);
}

}  // namespace
}  // namespace veltrisko
