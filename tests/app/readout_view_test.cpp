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

// A box of a fractional height, whose last row of pixels would pass the
// view's bottom edge if its height were cut to whole pixels.
TEST(PlaceReadoutBoxDrawing, AllOfAFractionalBoxStaysInsideTheView) {
  const MessageFace face{11, 15.5, [](const std::string& s) { return 6.0 * s.size(); }};
  const Drawing box = ReadoutBoxDrawing("a\nb\nc", face);  // 3 * 15.5 + 8 = 54.5 high
  const LegendRect at = PlaceReadoutBoxDrawing(box, 100, 30, 800, 100, {0, 0, 0, 0});
  EXPECT_EQ(at.height, 55);
  EXPECT_LE(at.y + at.height, 100);
}

TEST(ReadoutBoxDrawing, LinesUnderEachOtherInsideTheBorder) {
  struct Case {
    std::string text;
    double lineHeight;
    double width, height;          // of the box
    std::vector<double> lineTops;  // of its lines
  };
  const Case cases[] = {
      {"", 13, 0, 0, {}},
      {"Azimut: 10,0°", 13, 6 * 13 + 8, 13 + 8, {4}},
      // The widest line sets the width; an empty line keeps its place.
      {"ab\nabcd\n\nabc", 15, 6 * 4 + 8, 4 * 15 + 8, {4, 19, 34, 49}},
  };
  for (const Case& c : cases) {
    // Six pixels a character.
    const MessageFace face{11, c.lineHeight, [](const std::string& s) {
                             double characters = 0;
                             for (const char b : s) characters += (b & 0xC0) != 0x80;
                             return 6 * characters;
                           }};
    const Drawing drawing = ReadoutBoxDrawing(c.text, face);
    EXPECT_EQ(drawing.width, c.width) << c.text;
    EXPECT_EQ(drawing.height, c.height) << c.text;
    std::vector<double> tops;
    for (const Label* line : LabelsOf(drawing, LabelRole::kReadout)) {
      tops.push_back(line->at.y);
      EXPECT_EQ(line->at.x, 4);
      EXPECT_EQ(line->face, Face::kMessage);
      EXPECT_EQ(line->line, LineAnchor::kTop);
    }
    EXPECT_EQ(tops, c.lineTops) << c.text;
    if (c.text.empty()) continue;
    const auto& box = std::get<FilledRect>(drawing.shapes.front());
    EXPECT_EQ(box.width, c.width);
    EXPECT_EQ(box.height, c.height);
    EXPECT_EQ(box.fill, (Rgb{255, 255, 225}));
    EXPECT_EQ(box.outline, (Rgb{118, 118, 118}));
  }
}

}  // namespace
}  // namespace veltrisko
