// SPDX-License-Identifier: MIT
#include "fit/fit_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

namespace veltrisko {
namespace {

TEST(FitLimits, AreTheSameForEveryCaller) {
  struct Case {
    double value;
    bool tolerance;
    bool count;
  };
  for (const Case& c : {Case{-0.01, false, false}, Case{0.0, true, false}, Case{1.0, true, true},
                        Case{2.5, true, false}, Case{40.0, true, true}, Case{40.5, false, false},
                        Case{100.0, false, true}, Case{101.0, false, false}}) {
    EXPECT_EQ(IsFitTolerance(c.value), c.tolerance) << c.value;
    EXPECT_EQ(IsFitCount(c.value), c.count) << c.value;
  }
  EXPECT_EQ(FitToleranceRule(), "a number of dB from 0 to 40");
  EXPECT_EQ(FitCountRule(), "a whole number from 1 to 100");
}

TEST(FitLimits, TypedFieldsAreHeldToThem) {
  struct Case {
    const char* text;
    std::optional<double> tolerance;
    int count;
  };
  for (const Case& c :
       {Case{"0,25", 0.25, 1}, Case{" 3.5 ", 3.5, 3}, Case{"aus der Datei", {}, 5}, Case{"", {}, 5},
        Case{"-2", 0.0, 1}, Case{"1e9", 40.0, 100}, Case{"7x", {}, 5}, Case{"nan", {}, 5}}) {
    EXPECT_EQ(FitToleranceFromText(c.text), c.tolerance) << c.text;
    EXPECT_EQ(FitCountFromText(c.text), c.count) << c.text;
  }
}

PatternFile FlatFile() {
  PatternFile file;
  file.horizontal = std::vector<CutPoint>{{0.0, 0.0, 1}, {90.0, 3.0, 2}, {180.0, 20.0, 3}};
  return file;
}

// A fit runs on its own thread, says when it is done, is collected once,
// and a second one waits for the first to be collected.
TEST(FitSession, RunsOneFitAtATimeOnAWorker) {
  FitSession session(CodeSpace::Thinned(7));
  EXPECT_FALSE(session.Finish());
  std::atomic<int> done{0};
  PatternFitRequest request;
  request.top = 2;
  ASSERT_TRUE(session.Start(FlatFile(), request, [&done] { ++done; }));
  EXPECT_TRUE(session.Running());
  EXPECT_FALSE(session.Start(FlatFile(), request));
  const std::optional<FitOutcome> outcome = session.Finish();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(done, 1);
  EXPECT_FALSE(outcome->cancelled);
  EXPECT_EQ(outcome->fit.horizontal->results.size(), 2u);
  EXPECT_FALSE(session.Running());
  EXPECT_FALSE(session.Finish());
}

// A cancelled fit ends early and says so; a session destroyed while its fit
// runs waits for the worker.
TEST(FitSession, CancelsAndFollowsProgress) {
  FitSession session;
  ASSERT_TRUE(session.Start(FlatFile(), {}));
  session.Cancel();
  const std::optional<FitOutcome> outcome = session.Finish();
  ASSERT_TRUE(outcome);
  EXPECT_TRUE(outcome->cancelled);

  FitControl control;
  PatternFitRequest request;
  request.compareCriteria = true;
  FitPattern(FlatFile(), request, CodeSpace::Thinned(7), 0, &control);
  EXPECT_EQ(control.shapesDone, control.shapesPlanned);
  EXPECT_EQ(control.shapesPlanned, 2 * ShapesOf(CodeSpace::Thinned(7)).size());
  EXPECT_EQ(control.Progress(), 1.0);

  FitSession leftRunning;
  ASSERT_TRUE(leftRunning.Start(FlatFile(), {}));
}

// Without threads a fit runs where it is called and tells its progress in
// growing whole percents up to 100, with the lists a fit gives.
TEST(FitOnThisThread, TellsEachWholePercentOnceAndEndsAt100) {
  PatternFitRequest request;
  request.top = 2;
  request.compareCriteria = true;
  std::vector<int> told;  // whole percents
  double last = 0.0;
  const FitOutcome outcome =
      FitOnThisThread(FlatFile(), request, CodeSpace::Thinned(3), [&](double progress) {
        told.push_back(static_cast<int>(std::floor(progress * 100.0)));
        last = progress;
      });
  ASSERT_GT(told.size(), 10u);
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_EQ(std::adjacent_find(told.begin(), told.end()), told.end());
  EXPECT_EQ(last, 1.0);
  EXPECT_FALSE(outcome.cancelled);
  const PatternFit fit = FitPattern(FlatFile(), request, CodeSpace::Thinned(3), 1);
  ASSERT_EQ(outcome.fit.horizontal->results.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i)
    EXPECT_EQ(outcome.fit.horizontal->results[i].code, fit.horizontal->results[i].code);
}

}  // namespace
}  // namespace veltrisko
