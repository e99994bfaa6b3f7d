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

TEST(MarkRejectedCodes, MarksTheLegendLineOfTheRejectedCode) {
  const SceneState scene;
  InfoLegendContent content = InfoLegendOf(scene, "030EA00", "000EA10");
  MarkRejectedCodes(content, "030EA00", "000EA10");
  ASSERT_EQ(content.markedLines.size(), 1u);
  EXPECT_EQ(content.lines[content.markedLines[0]].text, "vert.: 000EA10");
}

}  // namespace
}  // namespace veltrisko
