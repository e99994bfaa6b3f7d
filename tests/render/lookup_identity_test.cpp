// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "model/combination.h"
#include "render/pattern_frame.h"
#include "render/sample_grid.h"
#include "tests/model/evaluation_outcome.h"

namespace veltrisko {
namespace {

bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool SameCommand(const DrawCommand& a, const DrawCommand& b) {
  return a.op == b.op && a.mode == b.mode && a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a &&
         SameBits(a.x, b.x) && SameBits(a.y, b.y) && SameBits(a.z, b.z);
}

struct Codes {
  const char* horizontal;
  const char* vertical;
};

// Where the frame through codes read once per frame departs from the frame
// of the plain path (outcome, length or the first differing command); empty
// when they are the same bit for bit.
std::string FrameDifference(const SceneState& scene, const Codes& c) {
  DrawList parsed, text;
  const FrameOutcome parsedOutcome =
      RecordPatternFrame(scene, c.horizontal, c.vertical, parsed, LookupPath::Parsed);
  const FrameOutcome textOutcome =
      RecordPatternFrame(scene, c.horizontal, c.vertical, text, LookupPath::Text);
  const std::string what = std::string(scene.useHcmV7 ? "V7 " : "V6 ") + c.horizontal + "/" +
                           c.vertical + " step " + std::to_string(scene.resolutionStep) +
                           " azimuth " + std::to_string(scene.azimuth) + " elevation " +
                           std::to_string(scene.elevation) + (scene.logScale ? " log" : " linear");
  if (parsedOutcome != textOutcome) return what + ": outcome";
  if (parsed.Commands().size() != text.Commands().size()) return what + ": length";
  for (std::size_t k = 0; k < text.Commands().size(); ++k) {
    if (!SameCommand(parsed.Commands()[k], text.Commands()[k])) {
      return what + ": command " + std::to_string(k);
    }
  }
  return "";
}

// The frame through codes read once per frame must be the frame of the
// plain path bit for bit, and fail exactly where it fails.
TEST(ParsedLookup, FramesAreBitIdenticalToEvaluatingTheTexts) {
  const Codes codes[] = {
      {"030EA10", "020EA05"}, {"120LA10", "020EA05"}, {"000ND00", "130VA20"},
      {"130VA20", "000ND00"}, {"030EA10", "100TA05"}, {"205WA31", "045EC00"},
      {"095KA00", "050CB00"}, {"030DE00", "020EB00"}, {"000ND00", "000ND00"},
      {"-30LA10", "030EA10"}, {"066EA00", "020EA05"}, {"030EA10", "120QQ10"},
      {"12", "020EA05"},      {"030EA10", "1"},       {"", ""},
  };
  struct View {
    int step;
    float azimuth, elevation, tilt;
    bool logScale;
  };
  const View views[] = {{15, 0, 0, 0, false},           {6, 37.5f, -12.25f, 0.3f, false},
                        {10, 200, 30, 0, true},         {15, -170.3f, 180, 0, false},
                        {6, 359, -150.5f, -0.2f, true}, {10, 90, 90, 0, false},
                        {15, 0, -90, 0, true},          {3, 181.1f, 271.9f, 0, false}};
  for (bool useV7 : {true, false}) {
    for (const Codes& c : codes) {
      for (const View& v : views) {
        SceneState scene;
        scene.useHcmV7 = useV7;
        scene.resolutionStep = v.step;
        scene.azimuth = v.azimuth;
        scene.elevation = v.elevation;
        scene.logScale = v.logScale;
        scene.dbRange = 30.0f;
        if (v.tilt != 0) scene.TiltModel(AxisAngles{}, v.tilt);
        ASSERT_EQ(FrameDifference(scene, c), "");
      }
    }
  }
}

// The V6 frame shares the total angle's component attenuations across the
// grid; every family (the V and W codes are not symmetric about their axis),
// every step, views on and off whole degrees, past the poles and beyond a
// turn, and both displays must still give the plain path's frame.
TEST(ParsedLookup, V6FramesMatchTheTextsAtEveryStep) {
  const Codes codes[] = {
      {"030EA10", "020EA05"}, {"045EB00", "060EC10"}, {"030DE00", "050KA00"},
      {"120LA10", "-30LA05"}, {"050CA00", "050CB00"}, {"050CC00", "100TA05"},
      {"130VA20", "205WA31"}, {"099WA91", "130VA20"}, {"000ND00", "000XX00"},
      {"066EA00", "020EA05"}, {"030EA10", "130VJ20"}, {"", "000ND00"},
  };
  struct View {
    float azimuth, elevation;
  };
  const View views[] = {{0, 0},       {30, 20},         {37.3f, -12.7f}, {200.5f, 95.5f},
                        {-170, -150}, {359.9f, 271.9f}, {181.1f, 180},   {-45.25f, 90}};
  const int steps[] = {15, 10, 6, 3, 2};
  for (std::size_t c = 0; c < std::size(codes); ++c) {
    for (std::size_t s = 0; s < std::size(steps); ++s) {
      // Two views per code and step, taking turns through the list.
      for (const std::size_t v : {(c + s) % std::size(views), (c + s + 3) % std::size(views)}) {
        SceneState scene;
        scene.useHcmV7 = false;
        scene.resolutionStep = steps[s];
        scene.azimuth = views[v].azimuth;
        scene.elevation = views[v].elevation;
        scene.logScale = (c + s + v) % 2 == 1;
        scene.dbRange = 25.0f;
        EXPECT_EQ(FrameDifference(scene, codes[c]), "");
      }
    }
  }
}

// Single V6 lookups (the diagrams and the cut) give the rule's value or
// exception for any angle, before and after the grid.
TEST(ParsedLookup, V6SingleLookupsMatchTheRule) {
  const Codes codes[] = {{"030EA10", "020EA05"},
                         {"130VA20", "205WA31"},
                         {"-30LA05", "100TA05"},
                         {"000ND00", "066EA00"},
                         {"12", "020EA05"}};
  const float inf = std::numeric_limits<float>::infinity();
  const float angles[] = {0,    -0.0f,  0.5f, 30,
                          90,   179.5f, 180,  180.25f,
                          270,  359.9f, 360,  725.3f,
                          -30,  -90.5f, -180, -1000.1f,
                          2e6f, inf,    -inf, std::numeric_limits<float>::quiet_NaN()};
  SceneState scene;
  scene.resolutionStep = 15;
  scene.useHcmV7 = false;
  for (const Codes& c : codes) {
    for (const bool afterGrid : {false, true}) {
      const auto lookup = MakeParsedLookup(c.horizontal, c.vertical, false);
      if (afterGrid) {
        std::vector<float> attenuations;
        try {
          lookup->FillGrid(PlanGridLookups(scene), attenuations);
        } catch (const InvalidAntennaCode&) {
          // A rejected code; its single lookups must throw the same.
        }
      }
      for (const float azimuth : angles) {
        for (const float elevation : angles) {
          EXPECT_EQ(Outcome([&] { return lookup->At(azimuth, elevation); }), Outcome([&] {
                      return CombinedAttenuationV6(azimuth, elevation, c.horizontal, c.vertical);
                    }))
              << c.horizontal << "/" << c.vertical << " at " << azimuth << ", " << elevation;
        }
      }
    }
  }
}

}  // namespace
}  // namespace veltrisko
