// SPDX-License-Identifier: MIT
// The fit window's state and texts, shared by both viewers: what a sequence
// of the window's events leaves it showing.
#include "app/logic/fit_dialog_model.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

PatternFile HorizontalOnly() {
  PatternFile file;
  file.horizontal = std::vector<CutPoint>{{0.0, 0.0, 1}, {90.0, 3.0, 2}, {180.0, 20.0, 3}};
  return file;
}

// A fit on a thinned code space, collected.
void FitWith(FitDialogModel& model, FitFields fields) {
  ASSERT_TRUE(model.PressStart(fields, "", ""));
  EXPECT_TRUE(model.Running());
  EXPECT_EQ(model.View().startButton, "A&bbrechen");
  ASSERT_TRUE(model.Collect());
  EXPECT_FALSE(model.Collect());  // collected once
}

TEST(FitDialogModel, FromNoMeasurementToAFitAndBack) {
  FitDialogModel model(Language::kGerman, CodeSpace::Thinned(7));
  FitDialogView view = model.View();
  EXPECT_EQ(view.listTitles, (std::array<std::string, 2>{"Horizontal", "Vertikal"}));
  EXPECT_EQ(view.startButton, "&Anpassen");
  EXPECT_FALSE(view.alignEnabled);
  EXPECT_FALSE(model.PressStart({}, "", ""));  // nothing to fit yet
  EXPECT_FALSE(model.ChooseRow(0, 0));

  model.SetMeasurement("h.msi", HorizontalOnly());
  FitWith(model, {0, std::nullopt, 3});
  view = model.View();
  EXPECT_EQ(view.measurementName, "h.msi");
  EXPECT_EQ(view.startButton, "&Anpassen");
  ASSERT_EQ(view.rows[0].size(), 3u);
  EXPECT_TRUE(view.rows[1].empty());          // the file has no vertical cut
  EXPECT_NE(view.listTitles[1], "Vertikal");  // says why it has no rows
  EXPECT_FALSE(view.findings.empty());
  EXPECT_TRUE(view.alignEnabled);
  EXPECT_NE(view.status, "");
  // A row hands on its code; a row the list does not have, none.
  EXPECT_EQ(model.ChooseRow(0, 2), view.rowCodes[0][2]);
  EXPECT_FALSE(model.ChooseRow(0, 3));
  EXPECT_FALSE(model.ChooseRow(1, 0));
  EXPECT_FALSE(model.ChooseRow(2, 0));
  ASSERT_TRUE(model.Alignment());
  EXPECT_EQ(model.Alignment()->azimuth, model.Fit()->HorizontalMainDirection().value_or(0.0));

  // Another language shows every text anew; another file forgets the fit.
  EXPECT_TRUE(model.SetLanguage(Language::kEnglish));
  EXPECT_FALSE(model.SetLanguage(Language::kEnglish));
  EXPECT_EQ(model.View().startButton, "&Fit");
  model.SetMeasurement("v.msi", PatternFile{});
  view = model.View();
  EXPECT_TRUE(view.rows[0].empty());
  EXPECT_EQ(view.status, "");
  EXPECT_EQ(view.findings, "");
  EXPECT_FALSE(view.alignEnabled);
}

// The start button cancels a running fit; the status then says so.
TEST(FitDialogModel, StartPressedAgainCancels) {
  FitDialogModel model(Language::kGerman);
  model.SetMeasurement("h.msi", HorizontalOnly());
  ASSERT_TRUE(model.PressStart({}, "", ""));
  EXPECT_FALSE(model.PressStart({}, "", ""));
  ASSERT_TRUE(model.Collect());
  EXPECT_EQ(model.View().status, "Suche abgebrochen");
  EXPECT_FALSE(model.Fit());
}

// The count is held to 1 .. 100; the tolerance takes part in the envelope
// criterion only.
TEST(FitDialogModel, FieldsHeldToTheLimits) {
  struct Case {
    int count;
    std::size_t rows;
  };
  for (const Case c : {Case{0, 1}, Case{-5, 1}, Case{2, 2}}) {
    FitDialogModel model(Language::kGerman, CodeSpace::Thinned(7));
    model.SetMeasurement("h.msi", HorizontalOnly());
    FitWith(model, {1, 99.0, c.count});
    EXPECT_EQ(model.View().rows[0].size(), c.rows) << c.count;
  }
  EXPECT_TRUE(FitDialogModel::ToleranceApplies(0));
  EXPECT_FALSE(FitDialogModel::ToleranceApplies(1));
}

// The page runs the fit in its own workers; the form shows it as a fit run
// here: the request held to the limits, its progress, cancel and rows.
TEST(FitDialogModel, AFitRunElsewhereShowsAsOneRunHere) {
  FitDialogModel model(Language::kGerman, CodeSpace::Thinned(7));
  EXPECT_FALSE(model.PressStartElsewhere({}, "", ""));  // nothing to fit yet
  EXPECT_FALSE(model.View().startEnabled);
  EXPECT_EQ(model.View().hint, InString(Language::kGerman, texts::kFitNeedsPattern));
  model.SetMeasurement("h.msi", HorizontalOnly());
  EXPECT_TRUE(model.View().startEnabled);

  const std::optional<PatternFitRequest> request =
      model.PressStartElsewhere({1, 99.0, 500}, "", "");
  ASSERT_TRUE(request);
  EXPECT_EQ(request->top, kMostFitResults);
  EXPECT_EQ(model.View().startButton, "A&bbrechen");
  model.ProgressElsewhere(0.42);
  EXPECT_EQ(model.StatusText(), FitRunningStatus(0.42, Language::kGerman));
  EXPECT_FALSE(model.PressStartElsewhere({}, "", ""));  // pressed again: cancelled
  EXPECT_FALSE(model.Running());
  EXPECT_EQ(model.View().status, "Suche abgebrochen");

  const std::optional<PatternFitRequest> again =
      model.PressStartElsewhere({0, std::nullopt, 2}, "", "");
  ASSERT_TRUE(again);
  model.FinishedElsewhere(FitOnThisThread(HorizontalOnly(), *again, CodeSpace::Thinned(7), {}));
  const FitDialogView view = model.View();
  EXPECT_FALSE(model.Running());
  EXPECT_EQ(view.rows[0].size(), 2u);
  EXPECT_EQ(view.startButton, "&Anpassen");
  ASSERT_TRUE(model.ChooseRow(0, 1));
  EXPECT_EQ(model.View().chosenRows, (std::array<int, 2>{1, -1}));
}

}  // namespace
}  // namespace veltrisko
