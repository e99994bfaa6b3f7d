// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "render/pattern_frame.h"

namespace veltrisko {
namespace {

bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool SameCommand(const DrawCommand& a, const DrawCommand& b) {
  return a.op == b.op && a.mode == b.mode && a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a &&
         SameBits(a.x, b.x) && SameBits(a.y, b.y) && SameBits(a.z, b.z);
}

// The frame through codes read once per frame must be the frame of the
// plain path bit for bit, and fail exactly where it fails.
TEST(ParsedLookup, FramesAreBitIdenticalToEvaluatingTheTexts) {
  struct Codes {
    const char* horizontal;
    const char* vertical;
  };
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
        DrawList parsed, text;
        const FrameOutcome parsedOutcome =
            RecordPatternFrame(scene, c.horizontal, c.vertical, parsed, LookupPath::Parsed);
        const FrameOutcome textOutcome =
            RecordPatternFrame(scene, c.horizontal, c.vertical, text, LookupPath::Text);
        const std::string what = std::string(useV7 ? "V7 " : "V6 ") + c.horizontal + "/" +
                                 c.vertical + " step " + std::to_string(v.step) + " azimuth " +
                                 std::to_string(v.azimuth) + " elevation " +
                                 std::to_string(v.elevation);
        ASSERT_EQ(parsedOutcome, textOutcome) << what;
        ASSERT_EQ(parsed.Commands().size(), text.Commands().size()) << what;
        for (std::size_t k = 0; k < text.Commands().size(); ++k) {
          ASSERT_TRUE(SameCommand(parsed.Commands()[k], text.Commands()[k]))
              << what << " command " << k;
        }
      }
    }
  }
}

}  // namespace
}  // namespace veltrisko
