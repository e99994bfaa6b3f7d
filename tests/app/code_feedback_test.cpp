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
  };
  for (const Case& c : cases) {
    const CodeFieldFeedback feedback = CodeFieldFeedbackOf(c.field, c.inForce, "horizontal");
    EXPECT_EQ(feedback.state, c.state) << c.field;
    EXPECT_EQ(feedback.toolTip, c.toolTip) << c.field;
  }
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
