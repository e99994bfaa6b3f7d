// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "analysis/pattern_cuts.h"
#include "analysis/rule_difference.h"
#include "render/draw_list.h"
#include "render/false_colour.h"
#include "render/pattern_frame.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

const ParsedAntennaCode kHorizontalCode("030EA10");
const ParsedAntennaCode kVerticalCode("020EA05");

std::size_t IndexOf(const CutCurves& c, float angle) {
  return static_cast<std::size_t>(std::find(c.angles.begin(), c.angles.end(), angle) -
                                  c.angles.begin());
}

TEST(PatternCuts, CurvesAtChosenAnglesGiveTheAgreedValues) {
  // cut, rule, angle: h gain, v gain, V6, V7 (dB) for 030EA10 / 020EA05.
  struct Case {
    CutKind kind;
    bool useV7;
    float angle;
    double h, v, v6, v7;
  };
  const Case cases[] = {
      {CutKind::kHorizontal, true, 30, -3.0103, 0, 3.0103, 3.0103},
      {CutKind::kHorizontal, false, 180, -20, -26.0206, 20, 20},
      {CutKind::kVertical, true, 30, 0, -5.8735, 5.8735, 5.8735},
      {CutKind::kVertical, false, -90, -20, -26.0206, 26.0206, 26.0206},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    const auto curves = ComputeCut(c.kind, kHorizontalCode, kVerticalCode, c.useV7);
    ASSERT_TRUE(curves);
    EXPECT_EQ(curves->angles.size(), c.kind == CutKind::kHorizontal ? 361u : 181u);
    const std::size_t i = IndexOf(*curves, c.angle);
    ASSERT_LT(i, curves->angles.size());
    EXPECT_NEAR(curves->horizontalGainDb[i], c.h, 1e-3);
    EXPECT_NEAR(curves->verticalGainDb[i], c.v, 1e-3);
    EXPECT_NEAR(curves->v6Db[i], c.v6, 1e-3);
    EXPECT_NEAR(curves->v7Db[i], c.v7, 1e-3);
    EXPECT_NEAR(curves->differenceDb[i], std::fabs(c.v6 - c.v7), 1e-3);
  }
}

TEST(PatternCuts, CsvRowsCarryTheTablesAttenuations) {
  const auto curves = ComputeCut(CutKind::kVertical, kHorizontalCode, kVerticalCode, true, 45.0f);
  ASSERT_TRUE(curves);
  // The attenuation column of `table --cut vertical --step 45` (either rule)
  // reappears as the V6 and V7 columns; the vertical gain is sampled at the
  // negated elevation by the V7 rule.
  EXPECT_EQ(CutCsv(*curves),
            "azimuth,elevation,horizontal_gain_db,vertical_gain_db,v6_attenuation_db,"
            "v7_attenuation_db,difference_db\n"
            "0,-90,0,-26.0205994,26.0205994,26.0205994,0\n"
            "0,-45,0,-10.6359739,10.6359739,10.6359739,0\n"
            "0,0,0,0,0,0,0\n"
            "0,45,0,-10.6359739,10.6359739,10.6359739,0\n"
            "0,90,0,-26.0205994,26.0205994,26.0205994,0\n");
}

TEST(PatternCuts, AnUnreadableCodeGivesNoCurves) {
  EXPECT_FALSE(ComputeCut(CutKind::kHorizontal, ParsedAntennaCode("066EA00"), kVerticalCode, true));
}

TEST(RuleDifference, AgreeingRulesHaveNoDifference) {
  const ParsedAntennaCode nd("000ND00");
  const auto survey = SurveyRuleDifference(nd, nd, 10.0f);
  ASSERT_TRUE(survey);
  EXPECT_NEAR(survey->largest.differenceDb, 0.0, 1e-6);
  EXPECT_NEAR(survey->meanDb, 0.0, 1e-6);
  EXPECT_EQ(survey->shareAbove1Db, 0.0);
}

TEST(RuleDifference, RefinedLargestIsNoSmallerThanAFineSearchAroundIt) {
  const auto survey = SurveyRuleDifference(kHorizontalCode, kVerticalCode, 5.0f);
  ASSERT_TRUE(survey);
  const RuleComparison& best = survey->largest;
  EXPECT_GE(best.differenceDb, survey->gridLargest.differenceDb);
  // Angles on hundredths, and the values those angles give.
  EXPECT_FLOAT_EQ(std::round(best.azimuth * 100.0f) / 100.0f, best.azimuth);
  float fine = 0.0f;
  for (double el = survey->gridLargest.elevation - 5; el <= survey->gridLargest.elevation + 5;
       el += 0.05) {
    if (el < -90 || el > 90) continue;
    for (double az = survey->gridLargest.azimuth - 5; az <= survey->gridLargest.azimuth + 5;
         az += 0.05) {
      fine = std::max(fine, CompareRules(static_cast<float>(az), static_cast<float>(el),
                                         kHorizontalCode, kVerticalCode)
                                .differenceDb);
    }
  }
  EXPECT_GE(best.differenceDb, fine - 0.01f);
}

TEST(RuleDifference, MeanAndSharesAreWeightedBySolidAngle) {
  // Directions of equal area: elevations whose sines are evenly spaced.
  const auto survey = SurveyRuleDifference(kHorizontalCode, kVerticalCode, 1.0f);
  ASSERT_TRUE(survey);
  double sum = 0, above3 = 0;
  int count = 0;
  for (int i = 0; i < 300; ++i) {
    const double el = std::asin(-1.0 + (i + 0.5) / 150.0) * kDegreesPerRadian;
    for (int j = 0; j < 360; ++j) {
      const float d =
          CompareRules(-180.0f + j + 0.5f, static_cast<float>(el), kHorizontalCode, kVerticalCode)
              .differenceDb;
      sum += d;
      above3 += d > 3.0f;
      ++count;
    }
  }
  EXPECT_NEAR(survey->meanDb, sum / count, 0.02);
  EXPECT_NEAR(survey->shareAbove3Db, above3 / count, 0.01);
}

TEST(DifferenceFrame, OffLeavesTheFrameAsItWas) {
  SceneState scene;
  scene.azimuth = 30.0f;
  scene.elevation = 20.0f;
  DrawList plain, withOptions;
  RecordPatternFrame(scene, "030EA10", "020EA05", plain);
  std::optional<DifferenceFindings> found;
  RecordPatternFrame(scene, "030EA10", "020EA05", withOptions, FrameOptions{}, &found);
  EXPECT_EQ(plain.Commands(), withOptions.Commands());
  EXPECT_FALSE(found);
}

TEST(DifferenceFrame, LargestDifferenceIsCompareGridLargestAndIsMarked) {
  for (const bool v7 : {true, false}) {
    SceneState scene;
    scene.resolutionStep = 2;
    scene.useHcmV7 = v7;
    DrawList list;
    std::optional<DifferenceFindings> found;
    ASSERT_EQ(
        RecordPatternFrame(
            scene, "030EA10", "020EA05", list,
            FrameOptions{.differenceColouring = true, .markedDirection = std::nullopt}, &found),
        FrameOutcome::Complete);
    ASSERT_TRUE(found);
    const auto survey = SurveyRuleDifference(kHorizontalCode, kVerticalCode, 2.0f);
    ASSERT_TRUE(survey);
    EXPECT_EQ(found->largestDb, survey->gridLargest.differenceDb);
    EXPECT_EQ(found->scaleEndDb, std::max(1.0f, found->largestDb));
    const float largest = CompareRules(found->largestWorld.azimuth, found->largestWorld.elevation,
                                       kHorizontalCode, kVerticalCode)
                              .differenceDb;
    EXPECT_EQ(largest, found->largestDb);
    // The marker is drawn in its own colour; the strongest surface colour is
    // the end of the scale.
    bool marker = false, red = false;
    for (const DrawCommand& c : list.Commands()) {
      if (c.op == DrawOp::Colour3 && c.r == 255 && c.g == 0 && c.b == 255) marker = true;
      const Colour end = FalseColourOf(1.0f);
      if (c.op == DrawOp::Colour4 && c.r == RedOf(end) && c.g == GreenOf(end) && c.b == BlueOf(end))
        red = true;
    }
    EXPECT_TRUE(marker);
    EXPECT_TRUE(red);
  }
}

TEST(DifferenceFrame, AgreeingRulesColourTheSurfaceAtZeroOnAOneDecibelScale) {
  SceneState scene;
  DrawList list;
  std::optional<DifferenceFindings> found;
  RecordPatternFrame(scene, "000ND00", "000ND00", list,
                     FrameOptions{.differenceColouring = true, .markedDirection = std::nullopt},
                     &found);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->scaleEndDb, 1.0f);
  const Colour zero = FalseColourOf(0.0f);
  int surfaceColours = 0;
  for (const DrawCommand& c : list.Commands()) {
    if (c.op != DrawOp::Colour4 || (c.r == 160 && c.g == 145 && c.b == 220)) continue;
    ++surfaceColours;
    EXPECT_TRUE(c.r == RedOf(zero) && c.g == GreenOf(zero) && c.b == BlueOf(zero));
  }
  EXPECT_GT(surfaceColours, 0);
}

}  // namespace
}  // namespace veltrisko
