// SPDX-License-Identifier: MIT
#include "app/logic/code_feedback.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(CodeFieldFeedback, TellsWhetherTheFieldHoldsTheCodeInForce) {
  struct Case {
    const char* field;
    const char* inForce;
    CodeFieldState state;
    const char* toolTip;
  };
  const Case cases[] = {
      {"030EA10", "030EA10", CodeFieldState::kInForce, ""},
      {"030EA1", "030EA10", CodeFieldState::kNotInForce, "unvollständiger Code – es gilt 030EA10"},
      {"030QQ10", "030EA10", CodeFieldState::kNotInForce, "unlesbarer Code – es gilt 030EA10"},
      {"000EA10", "000EA10", CodeFieldState::kRejected,
       "Ungültiger Antennencode: 000EA10 (horizontal)"},
      {"070EA10", "070EA10", CodeFieldState::kRejected,
       "Ungültiger Antennencode: 070EA10 (horizontal)"},
      // A held code the model rejects is not called "in force".
      {"066EA1", "066EA10", CodeFieldState::kNotInForce,
       "unvollständiger Code – weiterhin eingestellt: 066EA10 (ungültig)"},
      // Read and in force, but not as codes are composed: most likely a typo.
      {"030EA1O", "030EA1O", CodeFieldState::kUnusualForm,
       "ungewöhnlich geschrieben: 'O' an Stelle 7 statt einer Ziffer"},
      {"-30EA10", "-30EA10", CodeFieldState::kUnusualForm,
       "ungewöhnlich geschrieben: '-' an Stelle 1 statt einer Ziffer"},
  };
  for (const Case& c : cases) {
    const CodeFieldFeedback feedback = CodeFieldFeedbackOf(c.field, c.inForce, "horizontal");
    EXPECT_EQ(feedback.state, c.state) << c.field;
    EXPECT_EQ(feedback.toolTip, c.toolTip) << c.field;
  }
}

TEST(CodeFieldFeedback, TellsAnUnusualFormInEnglishToo) {
  const struct {
    const char* code;
    const char* toolTip;
  } cases[] = {
      {"030EA1O", "unusual form: 'O' at position 7 where a digit belongs"},
      {"+30EA10", "unusual form: '+' at position 1 where a digit belongs"},
      {"030EA10", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodeFieldFeedbackOf(c.code, c.code, "horizontal", Language::kEnglish).toolTip,
              c.toolTip)
        << c.code;
  }
  EXPECT_EQ(DescribeCodeFormIn("030EA1", Language::kGerman), "6 Zeichen statt 7");
  EXPECT_EQ(DescribeCodeFormIn("030EA1\x01", Language::kEnglish),
            "byte 0x01 at position 7 where a digit belongs");
}

TEST(RejectedCodeMessage, NamesEachRejectedComponent) {
  EXPECT_EQ(RejectedCodeMessage("030EA00", "130VA20"), "");
  EXPECT_EQ(RejectedCodeMessage("", ""), "");
  EXPECT_EQ(RejectedCodeMessage("000EA10", "030EA00"),
            "Ungültiger Antennencode: 000EA10 (horizontal)");
  EXPECT_EQ(RejectedCodeMessage("000EA10", "000TA00"),
            "Ungültiger Antennencode: 000EA10 (horizontal), 000TA00 (vertikal)");
}

TEST(NoPictureMessage, NamesTheDriversProblemInTheLanguageInForce) {
  EXPECT_EQ(NoPictureMessage("no pbuffer support", Language::kGerman),
            "Keine OpenGL-Darstellung möglich: no pbuffer support");
  EXPECT_EQ(NoPictureMessage("no pbuffer support", Language::kEnglish),
            "No OpenGL picture possible: no pbuffer support");
}

TEST(MarkRejectedCodes, MarksTheLegendLineOfTheRejectedCode) {
  const SceneState scene;
  InfoLegendContent content = InfoLegendOf(scene, "030EA00", "000EA10");
  MarkRejectedCodes(content, "030EA00", "000EA10");
  ASSERT_EQ(content.markedLines.size(), 1u);
  EXPECT_EQ(content.lines[content.markedLines[0]].text, "vert.: 000EA10");
}

TEST(CodeMessageDrawing, TheLineInDarkRedOnWhiteWithRoomAroundIt) {
  struct Case {
    std::string message;
    double size, lineHeight;
    double width, height;  // of the drawing
  };
  const Case cases[] = {
      {"", 12, 15, 0, 0},
      {"Ungültiger Antennencode: 000EA10 (horizontal)", 12, 15, 8 + 7 * 45, 15 + 4},
      {"Ungültiger Antennencode: 000EA10 (horizontal)", 11, 13, 8 + 7 * 45, 13 + 4},
  };
  for (const Case& c : cases) {
    // Seven pixels a character, the "ü" too.
    const MessageFace face{c.size, c.lineHeight, [](const std::string& s) {
                             double characters = 0;
                             for (const char b : s) characters += (b & 0xC0) != 0x80;
                             return 7 * characters;
                           }};
    const Drawing drawing = CodeMessageDrawing(c.message, face);
    EXPECT_EQ(drawing.width, c.width) << c.size;
    EXPECT_EQ(drawing.height, c.height) << c.size;
    EXPECT_EQ(drawing.background, (Rgb{255, 255, 255}));
    const std::vector<const Label*> lines = LabelsOf(drawing, LabelRole::kCodeMessage);
    ASSERT_EQ(lines.size(), c.message.empty() ? 0u : 1u);
    if (lines.empty()) continue;
    EXPECT_EQ(lines[0]->text, c.message);
    EXPECT_EQ(lines[0]->at.x, 4);
    EXPECT_EQ(lines[0]->at.y, 2);
    EXPECT_EQ(lines[0]->line, LineAnchor::kTop);
    EXPECT_EQ(lines[0]->face, Face::kMessage);
    EXPECT_EQ(lines[0]->size, c.size);
    EXPECT_EQ(lines[0]->colour, (Rgb{160, 0, 0}));
  }
}

}  // namespace
}  // namespace veltrisko
