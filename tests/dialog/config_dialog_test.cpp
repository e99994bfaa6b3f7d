// SPDX-License-Identifier: MIT
#include "dialog/config_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "tests/dialog/fake_controls.h"
#include "tests/dialog/fake_dialog_window.h"

namespace veltrisko {
namespace {

bool updatingEditText = false;
ConfigDialog* configDialog = nullptr;

using testing::FakeDialogWindow;
using testing::FakePanelControls;
using testing::FakeSlider;

class ConfigDialogTest : public ::testing::Test {
 protected:
  ConfigDialogTest() {
    // Writing an edit field notifies the dialog at once, as a real one does.
    horizontalControls.editField.onSetText = [this](const std::string&) {
      dialog.OnCommand(kHorizontalEditId, DialogNotification::kEditChange);
    };
    verticalControls.editField.onSetText = [this](const std::string&) {
      dialog.OnCommand(kVerticalEditId, DialogNotification::kEditChange);
    };
  }

  void Open() { dialog.OnInit(horizontalControls.Controls(), verticalControls.Controls()); }

  // The user types into an edit field; the field then notifies the dialog.
  void Type(FakePanelControls& controls, int editId, const std::string& text) {
    controls.editField.Type(text);
    dialog.OnCommand(editId, DialogNotification::kEditChange);
  }

  SceneState scene;
  AntennaPanel horizontal{updatingEditText};
  AntennaPanel vertical{updatingEditText};
  FakePanelControls horizontalControls;
  FakePanelControls verticalControls;
  FakeDialogWindow window;
  ConfigDialog dialog{window, {scene, horizontal, vertical, updatingEditText, configDialog}};
};

TEST_F(ConfigDialogTest, OpeningShowsStartingCodesV7LinearAndHiddenDbSliderWithoutRepaint) {
  Open();
  EXPECT_EQ(configDialog, &dialog);
  EXPECT_STREQ(horizontal.Code(), "030EA00");
  EXPECT_STREQ(vertical.Code(), "030EA00");
  EXPECT_EQ(horizontalControls.editField.Text(), "030EA00");
  EXPECT_EQ(verticalControls.editField.Text(), "030EA00");
  EXPECT_EQ(window.checkedVersion, kHcmV7ButtonId);
  EXPECT_EQ(window.checkedMode, kLinearButtonId);
  EXPECT_EQ(window.dbRange.Minimum(), 1);
  EXPECT_EQ(window.dbRange.Maximum(), 40);
  EXPECT_EQ(window.dbRange.Position(), 40);
  EXPECT_FALSE(window.dbRange.Visible());
  EXPECT_EQ(window.repaintRequests, 0);
  EXPECT_FALSE(updatingEditText);
}

TEST_F(ConfigDialogTest, StateIsWhatTheControlsHold) {
  scene.logScale = true;
  Open();
  horizontalControls.p1Slider.Drag(45);
  window.dbRange.Drag(25);
  dialog.OnScroll();
  Type(verticalControls, kVerticalEditId, "030EA1");
  const ConfigDialogState state = dialog.State();
  EXPECT_EQ(state.horizontal.typeIndex, 1);
  EXPECT_EQ(state.horizontal.positions, (std::array<int, 5>{1, 45, 0, 0, 0}));
  EXPECT_EQ(state.horizontal.fieldText, "045EA00");
  EXPECT_EQ(state.horizontal.codeInForce, "045EA00");
  EXPECT_EQ(state.vertical.fieldText, "030EA1");
  EXPECT_EQ(state.vertical.codeInForce, "030EA00");
  EXPECT_TRUE(state.logScale);
  EXPECT_EQ(state.dbRange, 25);
}

TEST_F(ConfigDialogTest, OpeningPutsTheTruncatedDbRangeOnItsSlider) {
  scene.dbRange = 12.7f;
  Open();
  EXPECT_EQ(window.dbRange.Position(), 12);
}

TEST_F(ConfigDialogTest, ReopenedDialogShowsTheVersionAndModeInForce) {
  scene.useHcmV7 = false;
  scene.logScale = true;
  scene.dbRange = 25.0f;
  Open();
  EXPECT_EQ(window.checkedVersion, kHcmV6ButtonId);
  EXPECT_EQ(window.checkedMode, kLogarithmicButtonId);
  EXPECT_TRUE(window.dbRange.Visible());
  EXPECT_EQ(window.dbRange.Position(), 25);
  // The codes still start afresh.
  EXPECT_STREQ(horizontal.Code(), "030EA00");
  EXPECT_FALSE(scene.useHcmV7);
  EXPECT_TRUE(scene.logScale);
}

TEST_F(ConfigDialogTest, RadioButtonsSetVersionAndModeAndEachRequestsOneRepaint) {
  Open();
  struct Case {
    int button;
    bool useHcmV7;
    bool logScale;
    bool dbSliderVisible;
  };
  const Case cases[] = {
      {kHcmV6ButtonId, false, false, false},    {kLogarithmicButtonId, false, true, true},
      {kHcmV7ButtonId, true, true, true},       {kLinearButtonId, true, false, false},
      {kLogarithmicButtonId, true, true, true},
  };
  int expectedRepaints = 0;
  for (const Case& c : cases) {
    dialog.OnCommand(c.button, DialogNotification::kClicked);
    ++expectedRepaints;
    EXPECT_EQ(scene.useHcmV7, c.useHcmV7) << c.button;
    EXPECT_EQ(scene.logScale, c.logScale) << c.button;
    EXPECT_EQ(window.dbRange.Visible(), c.dbSliderVisible) << c.button;
    EXPECT_EQ(window.repaintRequests, expectedRepaints) << c.button;
  }
  // Hiding and showing leave the slider's position alone.
  EXPECT_EQ(window.dbRange.Position(), 40);
}

TEST_F(ConfigDialogTest, MovingTheDbSliderSetsDbRangeAndRecomposesBothCodes) {
  Open();
  // An out-of-range number is kept as typed until the next composition.
  Type(verticalControls, kVerticalEditId, "070EA10");
  ASSERT_STREQ(vertical.Code(), "070EA10");
  const int repaintsBefore = window.repaintRequests;

  window.dbRange.Drag(10);
  dialog.OnScroll();
  EXPECT_FLOAT_EQ(scene.dbRange, 10.0f);
  EXPECT_STREQ(vertical.Code(), "065EA10");
  EXPECT_EQ(verticalControls.editField.Text(), "065EA10");
  EXPECT_STREQ(horizontal.Code(), "030EA00");
  EXPECT_EQ(window.repaintRequests, repaintsBefore + 1);
}

TEST_F(ConfigDialogTest, MovingAPanelSliderRecomposesThatPanelsCode) {
  Open();
  horizontalControls.p3Slider.Drag(12);
  dialog.OnScroll();
  EXPECT_STREQ(horizontal.Code(), "030EA12");
  EXPECT_EQ(horizontalControls.editField.Text(), "030EA12");
  // The composed text written into the field is not read back as typing.
  EXPECT_EQ(window.repaintRequests, 1);
}

TEST_F(ConfigDialogTest, TypingRepaintsOnlyWhenTheTextBecomesACompleteCode) {
  Open();
  const std::string typed = "045EA12";
  for (std::size_t length = 1; length < typed.size(); ++length) {
    Type(horizontalControls, kHorizontalEditId, typed.substr(0, length));
    EXPECT_EQ(window.repaintRequests, 0) << typed.substr(0, length);
    EXPECT_STREQ(horizontal.Code(), "030EA00");
  }
  Type(horizontalControls, kHorizontalEditId, typed);
  EXPECT_EQ(window.repaintRequests, 1);
  EXPECT_STREQ(horizontal.Code(), "045EA12");
  EXPECT_STREQ(vertical.Code(), "030EA00");

  Type(verticalControls, kVerticalEditId, "130VA20");
  EXPECT_EQ(window.repaintRequests, 2);
  EXPECT_STREQ(vertical.Code(), "130VA20");

  // Unknown letters: left in the field, no repaint, the old code stays.
  Type(verticalControls, kVerticalEditId, "030QQ00");
  EXPECT_EQ(window.repaintRequests, 2);
  EXPECT_STREQ(vertical.Code(), "130VA20");
}

TEST_F(ConfigDialogTest, PastedCodesAreTrimmedAndAPastedPairFillsBothFields) {
  struct Case {
    const char* pasted;
    const char* horizontalField;
    const char* verticalField;
    const char* horizontalCode;
    const char* verticalCode;
  };
  const Case cases[] = {
      {" 045EA15 ", "045EA15", "030EA00", "045EA15", "030EA00"},
      {"\t045EA15\r\n", "045EA15", "030EA00", "045EA15", "030EA00"},
      {"\xC2\xA0"
       "045EA15",
       "045EA15", "030EA00", "045EA15", "030EA00"},
      {"045EA15\t020EA05\r\n", "045EA15", "020EA05", "045EA15", "020EA05"},
      {"045EA15   020EA05", "045EA15", "020EA05", "045EA15", "020EA05"},
      // Three words are no pair: trimmed only, and unreadable (null: the
      // text or code as the dialog opened).
      {" 045EA15 020EA05 x", "045EA15 020EA05 x", nullptr, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    Open();
    const std::string opened[] = {horizontal.Code(), vertical.Code()};
    Type(horizontalControls, kHorizontalEditId, c.pasted);
    EXPECT_EQ(horizontalControls.editField.Text(), c.horizontalField) << c.pasted;
    EXPECT_EQ(verticalControls.editField.Text(), c.verticalField ? c.verticalField : opened[1])
        << c.pasted;
    EXPECT_EQ(horizontal.Code(), c.horizontalCode ? c.horizontalCode : opened[0]) << c.pasted;
    EXPECT_EQ(vertical.Code(), c.verticalCode ? c.verticalCode : opened[1]) << c.pasted;
  }
}

TEST_F(ConfigDialogTest, EditChangesAreIgnoredWhileAPanelWritesItsField) {
  Open();
  horizontalControls.editField.Type("045EA12");
  updatingEditText = true;
  dialog.OnCommand(kHorizontalEditId, DialogNotification::kEditChange);
  updatingEditText = false;
  EXPECT_STREQ(horizontal.Code(), "030EA00");
  EXPECT_EQ(window.repaintRequests, 0);
}

TEST_F(ConfigDialogTest, OtherCommandsIncludingEnterAndEscChangeNothing) {
  Open();
  horizontalControls.editField.Type("045EA12");
  const int commands[] = {kOkCommand, kCancelCommand, kDbRangeSliderId, 1000, 1022 + 100};
  for (int command : commands) dialog.OnCommand(command, DialogNotification::kClicked);
  // An edit change from a control other than the two edit fields.
  dialog.OnCommand(kHcmV6ButtonId, DialogNotification::kEditChange);
  EXPECT_EQ(window.repaintRequests, 0);
  EXPECT_FALSE(window.ended);
  EXPECT_EQ(configDialog, &dialog);
  EXPECT_TRUE(scene.useHcmV7);
  EXPECT_FALSE(scene.logScale);
  EXPECT_STREQ(horizontal.Code(), "030EA00");
}

TEST_F(ConfigDialogTest, ClosingEndsTheDialogAndClearsTheHandleWithoutRepaint) {
  Open();
  dialog.OnClose();
  EXPECT_TRUE(window.ended);
  EXPECT_EQ(configDialog, nullptr);
  EXPECT_EQ(window.repaintRequests, 0);
  // The panels keep their codes for the renderer while the dialog is closed,
  // but no longer reach its controls.
  EXPECT_STREQ(horizontal.Code(), "030EA00");
  horizontal.SetType(5);
  vertical.SetType(5);
  EXPECT_EQ(horizontalControls.typeSlider.Position(), 1);
  EXPECT_EQ(verticalControls.typeSlider.Position(), 1);
}

TEST(ConfigDialogHandle, DestroyingTheOpenDialogClearsTheHandle) {
  SceneState scene;
  AntennaPanel horizontal(updatingEditText), vertical(updatingEditText);
  FakePanelControls h, v;
  FakeDialogWindow window;
  {
    ConfigDialog dialog(window, {scene, horizontal, vertical, updatingEditText, configDialog});
    dialog.OnInit(h.Controls(), v.Controls());
    ASSERT_EQ(configDialog, &dialog);
  }
  EXPECT_EQ(configDialog, nullptr);
}

TEST(TruncateToInt, TruncatesTowardZeroAndClampsWhatDoesNotFit) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const std::pair<float, int> cases[] = {
      {40.0f, 40},        {12.7f, 12},
      {-12.7f, -12},      {0.99f, 0},
      {1e10f, kMax},      {-1e10f, -kMax},
      {INFINITY, kMax},   {-INFINITY, -kMax},
      {std::nanf(""), 0}, {2147483520.0f, 2147483520},
  };
  for (auto [value, expected] : cases) EXPECT_EQ(TruncateToInt(value), expected) << value;
}

}  // namespace
}  // namespace veltrisko
