// SPDX-License-Identifier: MIT
#include "app/logic/config_dialog_view.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

struct PanelCase {
  PanelState state;
  std::array<const char*, 5> texts;
  std::array<bool, 5> shown;
  CodeFieldState codeState;
  const char* toolTip;
};

struct ViewCase {
  Language language;
  PanelCase horizontal;
  PanelCase vertical;
  bool logScale;
  const char* dbRangeText;
};

void ExpectPanel(const PanelView& view, const PanelCase& c) {
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(view.valueTexts[i], c.texts[i]) << c.state.fieldText << " " << i;
    EXPECT_EQ(view.valueShown[i], c.shown[i]) << c.state.fieldText << " " << i;
  }
  EXPECT_EQ(view.codeState, c.codeState) << c.state.fieldText;
  EXPECT_EQ(view.codeTint, CodeFieldTint(c.codeState)) << c.state.fieldText;
  EXPECT_EQ(view.codeToolTip, c.toolTip) << c.state.fieldText;
}

// A few dialog states, each panel of another type family and code state.
TEST(ConfigDialogView, ShowsValueTextsVisibilityTintAndToolTipOfTheState) {
  const ViewCase cases[] = {
      {Language::kGerman,
       {{1, {1, 30, 0, 10, 0}, "030EA10", "030EA10"},
        {"EA – gerichtet", "30°", "", "10 %", ""},
        {true, true, false, true, false},
        CodeFieldState::kInForce,
        ""},
       {{10, {10, 3, 30, 20, 0}, "330VA2", "330VA20"},
        {"VA – Doppelstrahl, Rückfeld 0", "Stufe 3 (30°)", "30°", "20 %", ""},
        {true, true, true, true, false},
        CodeFieldState::kNotInForce,
        "unvollständiger Code – es gilt 330VA20"},
       true,
       "−25 dB"},
      {Language::kEnglish,
       {{0, {0, 30, 0, 10, 0}, "000ND00", "000ND00"},
        {"ND – omnidirectional", "", "", "", ""},
        {true, false, false, false, false},
        CodeFieldState::kInForce,
        ""},
       {{1, {1, 0, 0, 10, 0}, "000EA10", "000EA10"},
        {"EA – directional", "0°", "", "10 %", ""},
        {true, true, false, true, false},
        CodeFieldState::kRejected,
        "Invalid antenna code: 000EA10 (vertical)"},
       false,
       "−40 dB"},
  };
  for (const ViewCase& c : cases) {
    const ConfigDialogState state{c.horizontal.state, c.vertical.state, c.logScale,
                                  c.logScale ? 25 : 40};
    const ConfigDialogView view = ConfigDialogViewOf(state, c.language);
    ExpectPanel(view.horizontal, c.horizontal);
    ExpectPanel(view.vertical, c.vertical);
    EXPECT_EQ(view.dbRangeText, c.dbRangeText);
    EXPECT_EQ(view.dbRangeShown, c.logScale);
  }
}

}  // namespace
}  // namespace veltrisko
