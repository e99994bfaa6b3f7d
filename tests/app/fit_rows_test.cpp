// SPDX-License-Identifier: MIT
// The fit window's rows and lines, shared by both viewers, against the
// command line's fit of the same file.
#include "app/logic/fit_rows.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "fit/fit_report.h"

namespace veltrisko {
namespace {

RankedCode Result(std::vector<std::string> codes, double maxDeviation = 0.0, int worstAngle = 0,
                  double worstExcess = 0.0) {
  RankedCode result;
  result.code = codes.front();
  result.equalCodes = std::move(codes);
  result.score.maxDeviation = maxDeviation;
  result.score.worstAngle = worstAngle;
  result.score.worstExcess = worstExcess;
  return result;
}

std::vector<std::string> Codes(int count) {
  std::vector<std::string> codes;
  for (int i = 0; i < count; ++i) codes.push_back("075KA" + std::to_string(10 + i));
  return codes;
}

// A group's codes are listed, its first the code the row sets; never a range.
TEST(FitRows, ListAGroupsCodesSoThatTheyCannotBeReadAsARange) {
  struct Case {
    std::vector<std::string> codes;
    Language language;
    std::string text;
  };
  for (const Case& c : {
           Case{{"030EA10"}, Language::kGerman, "030EA10"},
           Case{{"035EA11", "400VA11"}, Language::kGerman, "035EA11, 400VA11"},
           Case{{"500WB01", "500VB00", "500WB19"}, Language::kEnglish, "500WB01, 500VB00, 500WB19"},
           Case{Codes(76), Language::kGerman, "075KA10, 075KA11 und 74 weitere"},
           Case{Codes(4), Language::kEnglish, "075KA10, 075KA11 and 2 more"},
       }) {
    EXPECT_EQ(FitRow(Result(c.codes), c.language)[0], c.text);
  }
}

// Each cut turned to its maximum: where a chosen code deviates more than a
// few dB, named off the main direction, and which way.
TEST(FitRows, WarnWhereTheChosenCodeDeviatesMoreThanAFewDb) {
  struct Case {
    int component;
    RankedCode code;
    bool aligned;
    Language language;
    std::string warning;  // empty: none
  };
  for (const Case& c : {
           Case{1, Result({"013EA03"}, 29.6, 14, 29.6), true, Language::kGerman,
                "Achtung: 013EA03 (vertikal) weicht um bis zu 29,6 dB von der Messung ab, 14° "
                "unter der Hauptrichtung; dort dämpft der Code weniger als gemessen."},
           Case{1, Result({"013EA03"}, 8.04, 350, -8.04), true, Language::kEnglish,
                "Caution: 013EA03 (vertical) deviates from the measurement by up to 8.0 dB, 10° "
                "above the main direction; there the code attenuates more than measured."},
           Case{0, Result({"065EB12"}, 12.0, 200, 12.0), true, Language::kEnglish,
                "Caution: 065EB12 (horizontal) deviates from the measurement by up to 12.0 dB, "
                "azimuth −160° from the main direction; there the code attenuates less than "
                "measured."},
           Case{0, Result({"065EB12"}, 7.0, 0, 7.0), true, Language::kGerman,
                "Achtung: 065EB12 (horizontal) weicht um bis zu 7,0 dB von der Messung ab, in der "
                "Hauptrichtung; dort dämpft der Code weniger als gemessen."},
           Case{1, Result({"013EA03"}, 9.0, 354, 9.0), false, Language::kEnglish,
                "Caution: 013EA03 (vertical) deviates from the measurement by up to 9.0 dB, at "
                "elevation 6°; there the code attenuates less than measured."},
           Case{1, Result({"000ND00"}, 20.0, 180, 20.0), true, Language::kEnglish,
                "Caution: 000ND00 (vertical) deviates from the measurement by up to 20.0 dB, 180° "
                "opposite the main direction; there the code attenuates less than measured."},
           Case{0, Result({"065EB12"}, 6.0, 40, 6.0), true, Language::kGerman, ""},
       }) {
    PatternFit fit;
    fit.aligned = c.aligned;
    std::optional<CutFit>& cut = c.component == 0 ? fit.horizontal : fit.vertical;
    cut.emplace();
    cut->results = {c.code};
    const std::vector<std::string> warnings = FitWarnings(fit, {-1, -1}, c.language);
    EXPECT_EQ(warnings.empty() ? std::string() : warnings.front(), c.warning);
  }
}

// The chosen row's code is the one warned about, not the first row's.
TEST(FitRows, WarnAboutTheChosenRow) {
  PatternFit fit;
  fit.horizontal.emplace();
  fit.horizontal->results = {Result({"065EB12"}, 1.0), Result({"090EB00"}, 10.0, 90, 10.0)};
  EXPECT_TRUE(FitWarnings(fit, {0, -1}).empty());
  ASSERT_EQ(FitWarnings(fit, {1, -1}).size(), 1u);
  EXPECT_NE(FitWarnings(fit, {1, -1}).front().find("090EB00"), std::string::npos);
}

TEST(FitRows, PutBothCriteriasBestCodesSideBySide) {
  PatternFit fit;
  fit.horizontal.emplace();
  fit.horizontal->bestEnvelope = Result({"065EB12"}, 1.04);
  fit.horizontal->bestRms = Result({"065EB12"}, 1.04);
  fit.vertical.emplace();
  fit.vertical->bestRms = Result({"003EA02"}, 12.3);
  EXPECT_EQ(FitCriteriaLines(fit, Language::kGerman),
            (std::vector<std::string>{
                "Hüllkurve: dämpft nie mehr als die Antenne – die sichere Wahl für die "
                "Koordinierung. Horizontal 065EB12 (max. 1,0 dB), vertikal keiner",
                "RMS: folgt der gemessenen Form. Horizontal 065EB12 (max. 1,0 dB), vertikal "
                "003EA02 (max. 12,3 dB)"}));
  fit.horizontal.reset();
  EXPECT_EQ(FitCriteriaLines(fit, Language::kEnglish).back(),
            "RMS: follows the measured shape. Vertical 003EA02 (max. 12.3 dB)");
  EXPECT_TRUE(FitCriteriaLines(PatternFit{}).empty());
}

// The window's rows and pair line carry the figures `veltrisko-pattern fit`
// prints for the same file.
TEST(FitRows, EqualTheCommandLinesFit) {
  const PatternReading reading = ReadPatternFile(VELTRISKO_FIT_EXAMPLE);
  ASSERT_TRUE(reading.file) << reading.error;
  PatternFitRequest request = ViewerFitRequest(FitCriterion::kEnvelope, std::nullopt, 3, "", "");
  const PatternFit fit = FitPattern(*reading.file, request, CodeSpace::Full());
  std::istringstream text(FitText(VELTRISKO_FIT_EXAMPLE, reading.file->format, fit, false));
  const std::regex row(R"(\s+\d+\s+(\S+)(?: \.\. \S+ \((\d+) codes\))?\s+(\S+)\s+(\S+)\s+(\S+))");
  const std::regex pair(R"(\s+(V[67]): max dev (\S+) dB, rms (\S+) dB)");
  std::vector<std::vector<std::string>> printed;
  std::vector<std::string> pairFigures;
  for (std::string line; std::getline(text, line);) {
    std::smatch match;
    if (std::regex_match(line, match, row))
      printed.push_back({match[2], match[3], match[4], match[5]});
    if (std::regex_match(line, match, pair))
      pairFigures.push_back(match[1].str() + ": max. dev. " + match[2].str() + " dB, RMS " +
                            match[3].str() + " dB");
  }
  std::vector<std::vector<std::string>> shown;
  for (const std::optional<CutFit>* cut : {&fit.horizontal, &fit.vertical}) {
    for (const RankedCode& code : (*cut)->results) {
      const std::array<std::string, 4> cells = FitRow(code, Language::kEnglish);
      const std::string count =
          code.equalCodes.size() > 1 ? std::to_string(code.equalCodes.size()) : "";
      shown.push_back({count, cells[1], cells[2], cells[3]});
    }
  }
  EXPECT_EQ(printed.size(), 6u);
  EXPECT_EQ(shown, printed);
  ASSERT_EQ(pairFigures.size(), 2u);
  EXPECT_EQ(FitPairLine(fit, Language::kEnglish),
            "Best pair " + fit.bestPair->horizontal + " " + fit.bestPair->vertical +
                ", combined against both cuts – " + pairFigures[0] + "; " + pairFigures[1]);
}

// "Ausrichtung übernehmen" turns to each measured cut's main direction, 0
// for a cut not given, and is not offered without any cut.
TEST(FitRows, OrientationTurnsToTheMeasuredMainDirection) {
  struct Case {
    std::optional<double> horizontalMain, verticalMain;  // the cuts' main angles
    std::optional<std::pair<double, double>> orientation;
  };
  for (const Case& c :
       {Case{32.0, 5.0, std::pair{32.0, -5.0}}, Case{32.0, {}, std::pair{32.0, 0.0}},
        Case{{}, -10.0, std::pair{0.0, 10.0}}, Case{{}, {}, {}}}) {
    PatternFit fit;
    if (c.horizontalMain) fit.horizontal.emplace().shape.mainAngle = *c.horizontalMain;
    if (c.verticalMain) fit.vertical.emplace().shape.mainAngle = *c.verticalMain;
    const std::optional<FitOrientation> orientation = FitOrientationOf(fit);
    ASSERT_EQ(orientation.has_value(), c.orientation.has_value());
    if (!orientation) continue;
    EXPECT_EQ(orientation->azimuth, c.orientation->first);
    EXPECT_EQ(orientation->elevation, c.orientation->second);
  }
}

}  // namespace
}  // namespace veltrisko
