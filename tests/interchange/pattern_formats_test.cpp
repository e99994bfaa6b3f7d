// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "interchange/pattern_alignment.h"
#include "interchange/pattern_file.h"

namespace veltrisko {
namespace {

double LossAt(const std::vector<CutPoint>& cut, double angle) {
  for (const CutPoint& point : cut) {
    if (point.angle == angle) return point.loss;
  }
  ADD_FAILURE() << "no value at " << angle;
  return -1.0;
}

// Small hand-written files of each format: angles turned into the cut's
// 0..360, values into losses from the strongest value, the rounding unit.
TEST(PatternFormats, ReadsEachFormatsHandWrittenFile) {
  const std::string nsma =
      "REVNUM:,NSMA WG16.99.050\r\nANTMAN:,Maker\r\nGUNITS:,DBI/DBR\r\nmdgain:,17.1\r\n"
      "PATCUT:,AZ\r\nPOLARI:,V/V\r\nNUPOIN:,3\r\nFSTLST:,-180,90\r\n"
      "-180,-25.3,\r\n0,0.0,\r\n90,-12.5,\r\n"
      "PATCUT:,AZ\r\nPOLARI:,V/H\r\nNUPOIN:,1\r\n0,-30,\r\n"
      "PATCUT:,EL\r\nPOLARI:,V/V\r\nNUPOIN:,3\r\n-5,0\r\n0,-1.25\r\n10,-20\r\nENDFIL:,EOF\r\n";
  const std::string edx =
      "'Panel 65', 17.5, 1\n0, 1.0\n90, 0.5\n180 0.1\n999\n2, 2\n90\n0, 0.2\n10, 0.2\n"
      "0\n-10, 0.1\n5, 1.0\n";
  std::string radioMobile;
  for (int k = 0; k < 720; ++k) {
    // Horizontal: -1 dB at 1 degree; vertical: the maximum 3 degrees below
    // the horizon (line 451 + 3), written with a decimal comma.
    const bool peak = k == 360 + 90 + 3;
    radioMobile += k == 1 ? "-1\n" : k < 360 ? "0\n" : peak ? "-0,5\n" : "-10,25\n";
  }
  const std::string msiGains =
      "NAME gains\nHORIZONTAL 3\n0\t0\n90\t-3.5\n180\t-20.5\nVERTICAL 2\n0 0\n90 -3\n";

  struct Case {
    const std::string* text;
    PatternFormat format;
    double halfUnit;
    std::vector<std::pair<double, double>> horizontal;  // angle, loss
    std::vector<std::pair<double, double>> vertical;
  };
  for (const Case& c : {
           Case{&nsma,
                PatternFormat::kNsma,
                0.005,
                {{180, 25.3}, {0, 0.0}, {90, 12.5}},
                {{5, 0.0}, {0, 1.25}, {350, 20.0}}},
           Case{&edx,
                PatternFormat::kEdx,
                8.685889638065035 * 0.05,
                {{0, 0.0}, {90, 6.0206}, {180, 20.0}},
                {{350, 20.0}, {5, 0.0}}},
           Case{&radioMobile,
                PatternFormat::kRadioMobile,
                0.005,
                {{0, 0.0}, {1, 1.0}},
                {{3, 0.5}, {0, 10.25}, {270, 10.25}, {180, 10.25}}},
           Case{&msiGains, PatternFormat::kMsi, 0.05, {{180, 20.5}}, {{90, 3.0}}},
       }) {
    const PatternReading reading = ParsePatternText(*c.text, c.format);
    ASSERT_TRUE(reading.file) << FormatName(c.format) << ": " << reading.error;
    const PatternFile& file = *reading.file;
    EXPECT_EQ(file.format, c.format);
    EXPECT_NEAR(file.halfUnitDb, c.halfUnit, 1e-12) << FormatName(c.format);
    ASSERT_TRUE(file.horizontal && file.vertical) << FormatName(c.format);
    for (const auto& [angle, loss] : c.horizontal) {
      EXPECT_NEAR(LossAt(*file.horizontal, angle), loss, 1e-4) << FormatName(c.format) << angle;
    }
    for (const auto& [angle, loss] : c.vertical) {
      EXPECT_NEAR(LossAt(*file.vertical, angle), loss, 1e-4) << FormatName(c.format) << angle;
    }
    EXPECT_EQ(FormatOfText(*c.text), c.format) << FormatName(c.format);
  }
  EXPECT_EQ(ParsePatternText(nsma, PatternFormat::kNsma).file->Metadata("antman"), "Maker");
  EXPECT_EQ(FormatOfPath("a/B.ADF"), PatternFormat::kNsma);
  EXPECT_EQ(FormatOfPath("b.pat"), PatternFormat::kEdx);
  EXPECT_EQ(FormatOfPath("c.Ant"), PatternFormat::kRadioMobile);
  EXPECT_EQ(FormatOfPath("d.prn"), PatternFormat::kMsi);
}

TEST(PatternFormats, RefusesMalformedFilesNamingTheLine) {
  struct Case {
    PatternFormat format;
    const char* text;
    const char* message;
  };
  const PatternFormat nsma = PatternFormat::kNsma;
  const PatternFormat edx = PatternFormat::kEdx;
  const PatternFormat rm = PatternFormat::kRadioMobile;
  for (const Case& c : {
           Case{nsma, "PATCUT:,H\nNUPOIN:,2\n0,0\nPATCUT:,V\n",
                "line 4: NUPOIN (line 2) announces 2"},
           Case{nsma, "PATCUT:,H\nNUPOIN:,all\n", "line 2: NUPOIN needs the count"},
           Case{nsma, "0,0\n", "line 1: a value outside a cut"},
           Case{nsma, "PATCUT:,H\nNUPOIN:,1\n0,x\n", "line 3: gain 'x' is not a number"},
           Case{nsma, "PATCUT:,H\nNUPOIN:,1\n400,0\n", "line 3: angle 400 lies outside"},
           Case{nsma, "REVNUM:,x\n", "line 1: the file holds no horizontal"},
           Case{edx, "Panel, 1, 2\n", "line 1: expected 'name', gain, kind"},
           Case{edx, "'P', 1, 3\n", "line 1: expected 'name', gain, kind"},
           Case{edx, "'P', 1, 1\n0, -0.5\n", "line 2: field -0.5 is negative"},
           Case{edx, "'P', 1, 2\n0, 0\n999\n1, 2\n0\n0, 0\n", "line 6: the file ends inside"},
           Case{rm, "0\n-1\n", "line 2: a Radio Mobile file holds 360 or 720 values, found 2"},
           Case{rm, "0\n1 2\n", "line 2: '1 2' is not one number"},
       }) {
    const PatternReading reading = ParsePatternText(c.text, c.format);
    EXPECT_FALSE(reading.file) << c.text;
    EXPECT_NE(reading.error.find(c.message), std::string::npos)
        << c.text << " gave: " << reading.error;
  }
}

std::vector<CutPoint> Cut(const std::vector<std::pair<double, double>>& values) {
  std::vector<CutPoint> points;
  for (const auto& [angle, loss] : values) points.push_back({angle, loss, 1});
  return points;
}

// The maximum between samples where the samples say so, on the sample
// otherwise; the nearest to 0 of equal maxima; beamwidth and back loss.
TEST(PatternAlignment, FindsTheMaximumItsBeamwidthAndBackLoss) {
  struct Case {
    std::vector<std::pair<double, double>> values;
    double main;
    double peak;
    std::optional<double> beamwidth;
    double back;
  };
  for (const Case& c : {
           Case{{{0, 7}, {30, 1}, {32, 0.5}, {34, 1}, {120, 13.5}, {212, 20.5}}, 32, 0.5, 33.7, 20},
           Case{{{350, 1}, {355, 0}, {0, 0}, {5, 1}, {180, 3}},
                -2.5,
                0,
                std::nullopt,
                1 + 2 * 172.5 / 175},
           Case{{{0, 0}, {60, 0}, {90, 6}, {300, 6}}, 30, 0, 105, 6},
           Case{{{0, 2}, {90, 2}, {180, 2}, {270, 2}}, 0, 2, std::nullopt, 0},
       }) {
    const CutShape shape = MeasureCut(Cut(c.values));
    EXPECT_NEAR(shape.mainAngle, c.main, 1e-9);
    EXPECT_NEAR(shape.peakLoss, c.peak, 1e-9);
    EXPECT_EQ(shape.beamwidth3Db.has_value(), c.beamwidth.has_value());
    if (shape.beamwidth3Db && c.beamwidth) {
      EXPECT_NEAR(*shape.beamwidth3Db, *c.beamwidth, 1e-9);
    }
    EXPECT_NEAR(shape.backLossDb, c.back, 1e-9);
  }
  const std::vector<CutPoint> steered = Cut({{0, 7}, {30, 1}, {32, 0.5}, {34, 1}, {212, 20.5}});
  const CutLosses aligned = AlignedLosses(steered, MeasureCut(steered));
  EXPECT_DOUBLE_EQ(aligned[0], 0.0);
  EXPECT_DOUBLE_EQ(aligned[2], 0.5);
  EXPECT_DOUBLE_EQ(aligned[180], 20.0);
  // The file's own points, turned and relative to the maximum.
  const std::vector<CutPoint> points = AlignedPoints(steered, MeasureCut(steered));
  const std::vector<std::pair<double, double>> expected = {
      {328, 6.5}, {358, 0.5}, {0, 0}, {2, 0.5}, {180, 20}};
  ASSERT_EQ(points.size(), expected.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_DOUBLE_EQ(points[i].angle, expected[i].first);
    EXPECT_DOUBLE_EQ(points[i].loss, expected[i].second);
  }
}

}  // namespace
}  // namespace veltrisko
