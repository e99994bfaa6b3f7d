// SPDX-License-Identifier: MIT
#include "dialog/antenna_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/panel_catalogue.h"
#include "tests/dialog/fake_controls.h"

namespace veltrisko {
namespace {

// The flag the panels of one dialog share.
bool updatingEditText = false;

using testing::ControlLog;
using testing::FakePanelControls;

constexpr const char* kHalfPowerAngle = "1/2-Leistung-Winkel";
constexpr const char* kSideLobe = "Nebenkeulenradius";

// The dialog's creation sequence: bind, type "EA", P1 at 30, compose.
void CreateDialog(AntennaPanel& panel, FakePanelControls& fakes) {
  panel.Bind(fakes.Controls());
  panel.SetType(1);
  fakes.p1Slider.SetPosition(30);
  panel.ComposeFromSliders();
}

struct Positions {
  int type, p1, p2, p3, p4;
};

Positions PositionsOf(const FakePanelControls& fakes) {
  return {fakes.typeSlider.Position(), fakes.p1Slider.Position(), fakes.p2Slider.Position(),
          fakes.p3Slider.Position(), fakes.p4Slider.Position()};
}

void ExpectPositions(const FakePanelControls& fakes, Positions expected, const std::string& what) {
  const Positions actual = PositionsOf(fakes);
  EXPECT_EQ(actual.type, expected.type) << what;
  EXPECT_EQ(actual.p1, expected.p1) << what;
  EXPECT_EQ(actual.p2, expected.p2) << what;
  EXPECT_EQ(actual.p3, expected.p3) << what;
  EXPECT_EQ(actual.p4, expected.p4) << what;
}

TEST(AntennaPanel, NewDialogShowsEaWithP1At30) {
  AntennaPanel panel(updatingEditText);
  FakePanelControls fakes;
  CreateDialog(panel, fakes);

  EXPECT_STREQ(panel.Code(), "030EA00");
  EXPECT_EQ(fakes.editField.Text(), "030EA00");
  EXPECT_EQ(panel.TypeIndex(), 1);
  EXPECT_EQ(fakes.p1Slider.Minimum(), 0);
  EXPECT_EQ(fakes.p1Slider.Maximum(), 65);
  EXPECT_TRUE(fakes.p1Slider.Visible());
  EXPECT_TRUE(fakes.p3Slider.Visible());
  EXPECT_FALSE(fakes.p2Slider.Visible());
  EXPECT_FALSE(fakes.p2Label.Visible());
  EXPECT_FALSE(fakes.p4Slider.Visible());
  EXPECT_FALSE(fakes.p4Label.Visible());
  EXPECT_EQ(fakes.p1Label.Text(), kHalfPowerAngle);
  EXPECT_EQ(fakes.p3Label.Text(), kSideLobe);
  EXPECT_FALSE(updatingEditText);
}

TEST(AntennaPanel, NewPanelsStartEmptyWithoutControls) {
  AntennaPanel horizontalPanel(updatingEditText), verticalPanel(updatingEditText);
  for (AntennaPanel* panel : {&horizontalPanel, &verticalPanel}) {
    EXPECT_STREQ(panel->Code(), "");
    EXPECT_EQ(panel->TypeIndex(), 0);
    panel->ComposeFromSliders();
    EXPECT_FALSE(panel->ParseTypedCode());
    EXPECT_STREQ(panel->Code(), "");
  }
}

enum class Kind { kNd, kHalfPower, kConstriction, kV, kW, kTa };

struct CatalogueRow {
  int index;
  const char* letters;
  Kind kind;
  int p1Maximum;
};

const CatalogueRow kCatalogue[] = {
    {0, "ND", Kind::kNd, 100},
    {1, "EA", Kind::kHalfPower, 65},
    {2, "EB", Kind::kHalfPower, 79},
    {3, "EC", Kind::kHalfPower, 96},
    {4, "DE", Kind::kHalfPower, 65},
    {5, "LA", Kind::kHalfPower, 120},
    {6, "KA", Kind::kConstriction, 100},
    {7, "CA", Kind::kConstriction, 100},
    {8, "CB", Kind::kConstriction, 100},
    {9, "CC", Kind::kConstriction, 100},
    {10, "VA", Kind::kV, 9},
    {11, "VB", Kind::kV, 9},
    {12, "VC", Kind::kV, 9},
    {13, "VD", Kind::kV, 9},
    {14, "VE", Kind::kV, 9},
    {15, "VF", Kind::kV, 9},
    {16, "VG", Kind::kV, 9},
    {17, "VH", Kind::kV, 9},
    {18, "VI", Kind::kV, 9},
    {19, "WA", Kind::kW, 9},
    {20, "WB", Kind::kW, 9},
    {21, "WC", Kind::kW, 9},
    {22, "WD", Kind::kW, 9},
    {23, "WE", Kind::kW, 9},
    {24, "WF", Kind::kW, 9},
    {25, "WG", Kind::kW, 9},
    {26, "WH", Kind::kW, 9},
    {27, "WI", Kind::kW, 9},
    {28, "TA", Kind::kTa, 890},
};

TEST(AntennaPanel, CatalogueGivesLettersRangesAndVisibility) {
  for (const CatalogueRow& row : kCatalogue) {
    const std::string what = std::string("index ") + std::to_string(row.index);
    EXPECT_STREQ(AntennaPanel::TypeName(row.index), row.letters) << what;

    AntennaPanel panel(updatingEditText);
    FakePanelControls fakes;
    panel.Bind(fakes.Controls());
    panel.SetType(row.index);
    EXPECT_EQ(panel.TypeIndex(), row.index) << what;
    EXPECT_EQ(fakes.typeSlider.Position(), row.index) << what;
    EXPECT_EQ(fakes.typeSlider.Maximum(), 28) << what;
    EXPECT_EQ(fakes.p1Slider.Maximum(), row.p1Maximum) << what;
    EXPECT_EQ(fakes.p2Slider.Maximum(), 99) << what;
    EXPECT_EQ(fakes.p3Slider.Maximum(), row.kind == Kind::kW ? 9 : 99) << what;
    EXPECT_EQ(fakes.p4Slider.Maximum(), 9) << what;
    EXPECT_EQ(fakes.p1Slider.Visible(), row.kind != Kind::kNd) << what;
    EXPECT_EQ(fakes.p2Slider.Visible(), row.kind == Kind::kV || row.kind == Kind::kW) << what;
    EXPECT_EQ(fakes.p3Slider.Visible(), row.kind != Kind::kNd) << what;
    EXPECT_EQ(fakes.p4Slider.Visible(), row.kind == Kind::kW) << what;
  }
  EXPECT_STREQ(AntennaPanel::TypeName(29), "");
}

// One SetType per kind, on fresh controls, compared operation by operation.
struct SetTypeRow {
  int index;
  const char* p1Label;  // nullptr: not written
  const char* p3Label;
  const char* p4Label;
  int p1Maximum, p3Maximum;
  bool p1Shown, p2Shown, p4Shown;
};

ControlLog ExpectedSetType(const SetTypeRow& row) {
  const auto shown = [](bool visible) { return visible ? std::string(".Show") : ".Hide"; };
  ControlLog log = {"typeSlider.SetPosition(" + std::to_string(row.index) + ")"};
  if (row.p1Label != nullptr) log.push_back(std::string("p1Label.SetText(") + row.p1Label + ")");
  if (row.p3Label != nullptr) log.push_back(std::string("p3Label.SetText(") + row.p3Label + ")");
  if (row.p4Label != nullptr) log.push_back(std::string("p4Label.SetText(") + row.p4Label + ")");
  const std::vector<std::string> rest = {
      "typeSlider.SetRange(0,28)",    "p1Slider.SetRange(0," + std::to_string(row.p1Maximum) + ")",
      "p2Slider.SetRange(0,99)",      "p3Slider.SetRange(0," + std::to_string(row.p3Maximum) + ")",
      "p4Slider.SetRange(0,9)",       "p1Slider" + shown(row.p1Shown),
      "p1Label" + shown(row.p1Shown), "p2Slider" + shown(row.p2Shown),
      "p2Label" + shown(row.p2Shown), "p3Slider" + shown(row.p1Shown),
      "p3Label" + shown(row.p1Shown), "p4Slider" + shown(row.p4Shown),
      "p4Label" + shown(row.p4Shown),
  };
  log.insert(log.end(), rest.begin(), rest.end());
  return log;
}

TEST(AntennaPanel, SetTypeWritesLabelsRangesAndVisibilityInOrder) {
  const SetTypeRow rows[] = {
      {0, "", nullptr, nullptr, 100, 99, false, false, false},
      {1, kHalfPowerAngle, kSideLobe, nullptr, 65, 99, true, false, false},
      {6, "Einschnürfaktor", kSideLobe, nullptr, 100, 99, true, false, false},
      {10, kHalfPowerAngle, kSideLobe, nullptr, 9, 99, true, true, false},
      {19, kHalfPowerAngle, "Nebenkeulenradius in Rückrichtung",
       "Nebenkeulenradius auf Vorderseite", 9, 9, true, true, true},
      {28, "1/2-Leistung-Winkel * 10", kSideLobe, nullptr, 890, 99, true, false, false},
  };
  for (const SetTypeRow& row : rows) {
    ControlLog log;
    FakePanelControls fakes(&log);
    AntennaPanel panel(updatingEditText);
    panel.Bind(fakes.Controls());
    panel.SetType(row.index);
    EXPECT_EQ(log, ExpectedSetType(row)) << "index " << row.index;
  }
}

// The user moves the type slider and the dialog composes; then the user sets
// the parameters and the dialog composes again.
struct ComposeRow {
  int type, p1, p2, p3, p4;
  const char* code;
};

TEST(AntennaPanel, ComposesEachKindsLayout) {
  const ComposeRow rows[] = {
      {0, 77, 40, 33, 5, "000ND00"}, {1, 65, 12, 99, 3, "065EA99"}, {3, 7, 0, 5, 0, "007EC05"},
      {5, 120, 0, 0, 0, "120LA00"},  {6, 100, 0, 7, 0, "100KA07"},  {9, 0, 50, 10, 9, "000CC10"},
      {28, 890, 0, 5, 0, "890TA05"}, {10, 1, 30, 20, 0, "130VA20"}, {18, 9, 99, 99, 9, "999VI99"},
      {19, 2, 5, 3, 1, "205WA31"},   {27, 0, 0, 9, 9, "000WI99"},   {28, 900, 0, 100, 0, "890TA99"},
  };
  for (const ComposeRow& row : rows) {
    AntennaPanel panel(updatingEditText);
    FakePanelControls fakes;
    CreateDialog(panel, fakes);
    fakes.typeSlider.Drag(row.type);
    panel.ComposeFromSliders();
    fakes.p1Slider.Drag(row.p1);
    fakes.p2Slider.Drag(row.p2);
    fakes.p3Slider.Drag(row.p3);
    fakes.p4Slider.Drag(row.p4);
    panel.ComposeFromSliders();
    EXPECT_EQ(panel.TypeIndex(), row.type) << row.code;
    EXPECT_STREQ(panel.Code(), row.code);
    EXPECT_EQ(fakes.editField.Text(), row.code);
  }
}

TEST(AntennaPanel, TypeChangeClampsParametersIntoTheNewRanges) {
  AntennaPanel panel(updatingEditText);
  FakePanelControls fakes;
  CreateDialog(panel, fakes);

  fakes.typeSlider.Drag(10);
  panel.ComposeFromSliders();
  EXPECT_EQ(fakes.p1Slider.Position(), 9);
  EXPECT_STREQ(panel.Code(), "900VA00");

  fakes.typeSlider.Drag(19);
  panel.ComposeFromSliders();
  fakes.p3Slider.Drag(7);
  fakes.p4Slider.Drag(4);
  panel.ComposeFromSliders();
  EXPECT_STREQ(panel.Code(), "900WA74");

  fakes.typeSlider.Drag(11);
  panel.ComposeFromSliders();
  EXPECT_EQ(fakes.p3Slider.Maximum(), 99);
  EXPECT_EQ(fakes.p3Slider.Position(), 7);
  EXPECT_FALSE(fakes.p4Slider.Visible());
  EXPECT_FALSE(fakes.p4Label.Visible());
  EXPECT_STREQ(panel.Code(), "900VB07");
}

// Each typed text starts from the dialog showing 005EA07.
struct TypedRow {
  const char* typed;
  bool accepted;
  Positions positions;
  const char* code;        // the code right after reading
  const char* recomposed;  // the next composition from the sliders
};

TEST(AntennaPanel, ReadsTypedCodes) {
  const Positions unchanged = {1, 5, 0, 7, 0};
  const TypedRow rows[] = {
      {"070EA10", true, {1, 65, 0, 10, 0}, "070EA10", "065EA10"},
      {"000XX00", true, {0, 0, 0, 0, 0}, "000XX00", "000ND00"},
      {"030TA05", true, {28, 30, 0, 5, 0}, "030TA05", "030TA05"},
      {"1EA1234", true, {1, 1, 0, 12, 0}, "1EA1234", "001EA12"},
      {" 30KA10", true, {6, 30, 0, 10, 0}, " 30KA10", "030KA10"},
      {"030EA-5", true, {1, 30, 0, 0, 0}, "030EA-5", "030EA00"},
      {"130VA20", true, {10, 1, 30, 20, 0}, "130VA20", "130VA20"},
      {"205WA31", true, {19, 2, 5, 3, 1}, "205WA31", "205WA31"},
      {"30EA10Ä", true, {1, 30, 0, 10, 0}, "30EA10Ä", "030EA10"},
      {"030EA1", false, unchanged, "005EA07", "005EA07"},
      {"030EA100", false, unchanged, "005EA07", "005EA07"},
      {"30EA1Ä", false, unchanged, "005EA07", "005EA07"},
      {"", false, unchanged, "005EA07", "005EA07"},
      {"030ea10", false, unchanged, "005EA07", "005EA07"},
      {"030QQ10", false, unchanged, "005EA07", "005EA07"},
      {"abcdefg", false, unchanged, "005EA07", "005EA07"},
      {"030EA  ", false, unchanged, "005EA07", "005EA07"},
      // The letters switch the type; the second reading fails on "-".
      {"-1VA202", false, {10, 5, 0, 7, 0}, "005EA07", "500VA07"},
      {"-1WA202", false, {19, 5, 0, 7, 0}, "005EA07", "500WA70"},
  };
  for (const TypedRow& row : rows) {
    AntennaPanel panel(updatingEditText);
    FakePanelControls fakes;
    CreateDialog(panel, fakes);
    fakes.p1Slider.Drag(5);
    fakes.p3Slider.Drag(7);
    panel.ComposeFromSliders();
    ASSERT_STREQ(panel.Code(), "005EA07");

    fakes.editField.Type(row.typed);
    EXPECT_EQ(panel.ParseTypedCode(), row.accepted) << row.typed;
    ExpectPositions(fakes, row.positions, row.typed);
    EXPECT_EQ(panel.TypeIndex(), row.positions.type) << row.typed;
    EXPECT_STREQ(panel.Code(), row.code) << row.typed;
    EXPECT_EQ(fakes.editField.Text(), row.typed) << "the edit field is not rewritten";

    panel.ComposeFromSliders();
    EXPECT_STREQ(panel.Code(), row.recomposed) << row.typed;
  }
}

TEST(AntennaPanel, ReadsOnlyTheFirst99CharactersOfTheEditField) {
  AntennaPanel panel(updatingEditText);
  FakePanelControls fakes;
  CreateDialog(panel, fakes);
  fakes.editField.Type(std::string(500, '1'));
  EXPECT_FALSE(panel.ParseTypedCode());
  EXPECT_STREQ(panel.Code(), "030EA00");
}

TEST(AntennaPanel, ReadingAComposedCodeRestoresTheSliders) {
  for (int type = 1; type < kCatalogueSize; ++type) {
    AntennaPanel panel(updatingEditText);
    FakePanelControls fakes;
    CreateDialog(panel, fakes);
    fakes.typeSlider.Drag(type);
    panel.ComposeFromSliders();
    const int p1Maximum = fakes.p1Slider.Maximum();
    const int p3Maximum = fakes.p3Slider.Maximum();
    const bool usesP2 = fakes.p2Slider.Visible();
    const bool usesP4 = fakes.p4Slider.Visible();
    for (int p1 = 0; p1 <= p1Maximum; ++p1) {
      for (int p3 = 0; p3 <= p3Maximum; ++p3) {
        const Positions composed = {type, p1, (p1 * 37 + p3) % 100, p3, (p1 + p3) % 10};
        fakes.typeSlider.Drag(composed.type);
        fakes.p1Slider.Drag(composed.p1);
        fakes.p2Slider.Drag(composed.p2);
        fakes.p3Slider.Drag(composed.p3);
        fakes.p4Slider.Drag(composed.p4);
        panel.ComposeFromSliders();
        const std::string code = panel.Code();

        // Scramble the parameters the code carries, then read the code back.
        fakes.p1Slider.Drag(p1Maximum - p1);
        if (usesP2) fakes.p2Slider.Drag(99 - composed.p2);
        fakes.p3Slider.Drag(p3Maximum - p3);
        if (usesP4) fakes.p4Slider.Drag(9 - composed.p4);
        fakes.editField.Type(code);
        ASSERT_TRUE(panel.ParseTypedCode()) << code;
        const Positions read = PositionsOf(fakes);
        ASSERT_EQ(read.type, composed.type) << code;
        ASSERT_EQ(read.p1, composed.p1) << code;
        ASSERT_EQ(read.p3, composed.p3) << code;
        if (usesP2) {
          ASSERT_EQ(read.p2, composed.p2) << code;
        }
        if (usesP4) {
          ASSERT_EQ(read.p4, composed.p4) << code;
        }
      }
    }
  }
}

TEST(AntennaPanel, ComposedCodeIsNotReadBackThroughTheEditField) {
  AntennaPanel panel(updatingEditText);
  FakePanelControls fakes;
  CreateDialog(panel, fakes);

  // A dialog's edit-change handler: it reads the field unless the panel is
  // writing it.
  int notifications = 0;
  int readBacks = 0;
  bool flagSeen = false;
  std::string codeSeen;
  fakes.editField.onSetText = [&](const std::string&) {
    ++notifications;
    flagSeen = updatingEditText;
    codeSeen = panel.Code();
    if (!updatingEditText) {
      ++readBacks;
      panel.ParseTypedCode();
    }
  };
  fakes.p1Slider.Drag(12);
  panel.ComposeFromSliders();

  EXPECT_EQ(notifications, 1);
  EXPECT_TRUE(flagSeen);
  EXPECT_EQ(readBacks, 0);
  EXPECT_EQ(codeSeen, "012EA00");
  EXPECT_FALSE(updatingEditText);
}

TEST(AntennaPanel, OutOfRangeInputIsHandledSafely) {
  AntennaPanel unbound(updatingEditText);
  unbound.ComposeFromSliders();
  EXPECT_FALSE(unbound.ParseTypedCode());
  EXPECT_STREQ(unbound.Code(), "");

  ControlLog log;
  FakePanelControls fakes(&log);
  AntennaPanel panel(updatingEditText);
  panel.Bind(fakes.Controls());
  panel.SetType(29);
  panel.SetType(-1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(panel.TypeIndex(), 0);

  // A type slider left beyond the catalogue reads as its last entry.
  fakes.typeSlider.Drag(50);
  panel.ComposeFromSliders();
  EXPECT_EQ(panel.TypeIndex(), 28);
  EXPECT_STREQ(panel.Code(), "000TA00");
}

}  // namespace
}  // namespace veltrisko
