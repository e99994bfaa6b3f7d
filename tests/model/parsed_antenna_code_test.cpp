// SPDX-License-Identifier: MIT
#include "model/parsed_antenna_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "model/combination.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "tests/model/evaluation_outcome.h"

namespace veltrisko {
namespace {

// Every family, accepted and rejected numbers, and texts off the layout.
std::vector<std::string> SampleCodes() {
  std::vector<std::string> codes;
  const char* const letters[] = {"EA", "EB", "EC", "DE", "LA", "KA", "CA", "CB",
                                 "CC", "TA", "ND", "XX", "QQ", "ea", "E"};
  const char* const leading[] = {"000", "001", "030", "065", "066", "096", "100", "120",
                                 "890", "891", "-30", "nan", "inf", "-99", "0x1"};
  const char* const trailing[] = {"00", "05", "20", "99", "-1", ".5", ""};
  for (const char* l : letters) {
    for (const char* n : leading) {
      for (const char* t : trailing) codes.push_back(std::string(n) + l + t);
    }
  }
  const char* const beams[] = {"000", "130", "099", "945", "9-9", "0+5", "1 3", "13"};
  const char* const backs[] = {"A", "B", "E", "I", "J", "a", " "};
  const char* const tails[] = {"20", "91", "09", "00", "9", "", " 5"};
  for (const char* b : beams) {
    for (const char* k : backs) {
      for (const char* t : tails) {
        codes.push_back(std::string(b) + "V" + k + t);
        codes.push_back(std::string(b) + "W" + k + t);
      }
    }
  }
  for (const char* odd : {"", "1", "12", " 30EA10", "030E A10", "030EA10junk", "1V 5", "1W",
                          "\t030EA\n10", "030EA1e", "-1e5EA", "   ", "%", "030VA", "0WA12"}) {
    codes.push_back(odd);
  }
  return codes;
}

const std::vector<float>& SampleAngles() {
  static const std::vector<float> angles = {0.0f,
                                            -0.0f,
                                            1e-30f,
                                            10.0f,
                                            30.0f,
                                            45.0f,
                                            89.9f,
                                            90.0f,
                                            120.0f,
                                            180.0f,
                                            198.0f,
                                            250.0f,
                                            270.0f,
                                            300.0f,
                                            -60.0f,
                                            -90.0f,
                                            -270.0f,
                                            360.5f,
                                            1e6f,
                                            -3e7f,
                                            1e30f,
                                            std::numeric_limits<float>::quiet_NaN(),
                                            std::numeric_limits<float>::infinity(),
                                            -std::numeric_limits<float>::infinity()};
  return angles;
}

TEST(ParsedAntennaCode, ComponentAttenuationMatchesTheTextBitForBit) {
  for (const std::string& code : SampleCodes()) {
    const ParsedAntennaCode parsed(code.c_str());
    for (float angle : SampleAngles()) {
      for (bool linear : {true, false}) {
        ASSERT_EQ(Outcome([&] { return parsed.ComponentAttenuation(angle, linear); }),
                  Outcome([&] { return ComponentAttenuation(code.c_str(), angle, linear); }))
            << "'" << code << "' at " << angle << " linear " << linear;
      }
    }
  }
}

TEST(ParsedAntennaCode, CombinationsMatchTheTextBitForBit) {
  const char* const codes[] = {"030EA10", "020EA05", "120LA10", "-60LA10", "045EC00",
                               "100TA05", "130VA20", "099WA91", "095KA00", "000ND00",
                               "120QQ10", "066EA00", "12",      "nanEA10", "030DE00"};
  const float angles[] = {0.0f,   30.0f,  -60.0f,
                          180.0f, 200.0f, -270.0f,
                          750.0f, 1e30f,  std::numeric_limits<float>::quiet_NaN()};
  for (const char* h : codes) {
    const ParsedAntennaCode parsedH(h);
    for (const char* v : codes) {
      const ParsedAntennaCode parsedV(v);
      for (float az : angles) {
        for (float el : angles) {
          SCOPED_TRACE(std::string(h) + "/" + v + " at " + std::to_string(az) + "," +
                       std::to_string(el));
          ASSERT_EQ(Outcome([&] { return CombinedAttenuationV6(az, el, parsedH, parsedV); }),
                    Outcome([&] { return CombinedAttenuationV6(az, el, h, v); }));
          ASSERT_EQ(Outcome([&] { return CombinedAttenuationV7(az, el, parsedH, parsedV); }),
                    Outcome([&] { return CombinedAttenuationV7(az, el, h, v); }));
        }
      }
    }
  }
}

TEST(ParsedAntennaCode, RemembersTheFirstScan) {
  const struct {
    const char* code;
    bool scans;
    const char* letters;
  } cases[] = {{"030EA10", true, "EA"}, {"120QQ10", true, "QQ"}, {"1V 5", true, "V"},
               {"12", false, ""},       {"1", false, ""},        {"", false, ""},
               {"030EA", false, "EA"},  {"030ND00", true, "ND"}, {nullptr, false, ""}};
  for (const auto& c : cases) {
    const ParsedAntennaCode parsed(c.code);
    EXPECT_EQ(parsed.Scans(), c.scans) << (c.code ? c.code : "null");
    EXPECT_EQ(parsed.TypeLetters(), c.letters) << (c.code ? c.code : "null");
  }
}

}  // namespace
}  // namespace veltrisko
