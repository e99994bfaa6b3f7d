// SPDX-License-Identifier: MIT
#include "fit/pattern_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>

#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

// A file of two known component cuts, with the quirks of real files: the
// beam steered and tilted, the losses offset, values rounded.
struct Quirks {
  const char* horizontal;
  const char* vertical;
  int steer = 0;  // azimuth of the maximum
  int tilt = 0;   // degrees below the horizon
  double offsetDb = 0.0;
  int decimals = 2;
};

std::string Number(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// value(cut angle, loss) as the file writes it, one line per whole degree.
using Line = std::function<std::string(int angle, double loss)>;

std::string Lines(const CutLosses& losses, int turn, const Line& line) {
  std::string text;
  for (int a = 0; a < kCutPoints; ++a) text += line((a + turn) % 360, losses[a]);
  return text;
}

std::string Msi(const Quirks& q, const CutLosses& h, const CutLosses& v) {
  const Line line = [&](int angle, double loss) {
    return std::to_string(angle) + "\t" + Number(loss + q.offsetDb, q.decimals) + "\r\n";
  };
  return "NAME quirks\r\ngain 15 dBd\r\nHORIZONTAL 360\r\n" + Lines(h, q.steer, line) +
         "VERTICAL 360\r\n" + Lines(v, q.tilt, line);
}

std::string Nsma(const Quirks& q, const CutLosses& h, const CutLosses& v) {
  // Gains in dBi, azimuths and elevations from -180.
  const auto line = [&](bool vertical) -> Line {
    return [&q, vertical](int angle, double loss) {
      const int signedAngle = angle > 180 ? angle - 360 : angle;
      return std::to_string(vertical ? -signedAngle : signedAngle) + "," +
             Number(17.0 - loss - q.offsetDb, q.decimals) + ",\n";
    };
  };
  return "REVNUM:,NSMA WG16.99.050\nGUNITS:,DBI/DBI\nPATCUT:,H\nPOLARI:,V/V\nNUPOIN:,360\n"
         "FSTLST:,-180,179\n" +
         Lines(h, q.steer, line(false)) + "PATCUT:,V\nPOLARI:,V/V\nNUPOIN:,360\n" +
         Lines(v, q.tilt, line(true)) + "ENDFIL:,EOF\n";
}

std::string RadioMobile(const Quirks& q, const CutLosses& h, const CutLosses& v) {
  std::vector<std::string> values(720);
  for (int a = 0; a < kCutPoints; ++a) {
    values[(a + q.steer) % 360] = Number(-h[a] - q.offsetDb, q.decimals);
    // Vertical cut angle c is line 360 + (c + 90) mod 360.
    values[360 + ((a + q.tilt) % 360 + 90) % 360] = Number(-v[a], q.decimals);
  }
  std::string text;
  for (const std::string& value : values) text += value + "\n";
  return text;
}

std::string Edx(const Quirks& q, const CutLosses& h, const CutLosses& v) {
  // Half-degree steps: the values between whole degrees are their mean.
  std::string text = "'quirks', 15.0, 2\n";
  const auto half = [&](const CutLosses& losses, int turn, double sign, bool vertical) {
    std::string lines;
    for (int a = 0; a < kCutPoints; ++a) {
      const int angle = (a + turn) % 360;
      const double next = losses[(a + 1) % 360];
      const int shown = vertical && angle > 180 ? angle - 360 : angle;
      lines += std::to_string(shown) + ", " + Number(sign * losses[a], q.decimals) + "\n";
      lines += std::to_string(shown) + ".5, " +
               Number(sign * 0.5 * (losses[a] + next), q.decimals) + "\n";
    }
    return lines;
  };
  return text + half(h, q.steer, -1.0, false) + "999\n1, 720\n0\n" + half(v, q.tilt, -1.0, true);
}

double Largest(const CutLosses& a, const CutLosses& b) {
  double largest = 0.0;
  for (int i = 0; i < kCutPoints; ++i) largest = std::max(largest, std::fabs(a[i] - b[i]));
  return largest;
}

// The default fit of each quirky file finds a code with the cut of the code
// it was written from, and the main direction the file was turned to.
TEST(PatternFit, RecoversTheCodesOfQuirkyFilesTurnedToTheirMaximum) {
  struct Case {
    Quirks quirks;
    PatternFormat format;
    std::string (*write)(const Quirks&, const CutLosses&, const CutLosses&);
  };
  const CodeSpace space = CodeSpace::Full();
  for (const Case& c : {
           Case{{"075KA12", "020EC03", 0, 0, 0.0, 4}, PatternFormat::kMsi, &Msi},
           Case{{"065EB12", "012EA15", 32, 5, 7.13, 1}, PatternFormat::kMsi, &Msi},
           Case{{"090EC05", "010EA10", -20 + 360, 8, 3.0, 2}, PatternFormat::kNsma, &Nsma},
           Case{{"030DE05", "015EA20", 0, 3, 0.0, 2}, PatternFormat::kRadioMobile, &RadioMobile},
           Case{{"055EB03", "025EA10", 10, 2, 0.0, 3}, PatternFormat::kEdx, &Edx},
       }) {
    const CutLosses h = ComponentCut(ParsedAntennaCode(c.quirks.horizontal));
    const CutLosses v = ComponentCut(ParsedAntennaCode(c.quirks.vertical));
    const PatternReading reading = ParsePatternText(c.write(c.quirks, h, v), c.format);
    ASSERT_TRUE(reading.file) << c.quirks.horizontal << ": " << reading.error;
    PatternFitRequest request;
    request.top = 1;
    const PatternFit fit = FitPattern(*reading.file, request, space);
    const int steer = c.quirks.steer > 180 ? c.quirks.steer - 360 : c.quirks.steer;
    EXPECT_NEAR(*fit.HorizontalMainDirection(), steer, 1e-9) << c.quirks.horizontal;
    EXPECT_NEAR(*fit.VerticalMainElevation(), -c.quirks.tilt, 1e-9) << c.quirks.vertical;
    EXPECT_NEAR(fit.toleranceDb, 0.5 * std::pow(10.0, -c.quirks.decimals), 1e-12);
    ASSERT_FALSE(fit.horizontal->results.empty() || fit.vertical->results.empty());
    const std::string& foundH = fit.horizontal->results.front().code;
    const std::string& foundV = fit.vertical->results.front().code;
    EXPECT_LE(Largest(ComponentCut(ParsedAntennaCode(foundH.c_str())), h), kEqualCutDb)
        << c.quirks.horizontal << " found " << foundH;
    EXPECT_LE(Largest(ComponentCut(ParsedAntennaCode(foundV.c_str())), v), kEqualCutDb)
        << c.quirks.vertical << " found " << foundV;
  }
}

// Codes of one cut are one result: --top N gives N different cuts.
TEST(PatternFit, CodesOfOneCutAreOneResult) {
  FitSettings settings;
  settings.top = 3;
  const CodeFit fit = FitCodes(ComponentCut(ParsedAntennaCode("075KA12")), std::nullopt, settings,
                               CodeSpace::Full());
  const RankedCode& best = fit.horizontal->front();
  EXPECT_EQ(best.code, "075KA00");
  EXPECT_EQ(best.equalCodes.size(), 76u);  // KA00 .. KA75: the floor lies below the minimum
  EXPECT_EQ(EqualCodesText(best), "075KA00 … 075KA75, 76 Codes");
  for (std::size_t i = 1; i < fit.horizontal->size(); ++i) {
    EXPECT_GT(Largest(ComponentCut(ParsedAntennaCode((*fit.horizontal)[i].code.c_str())),
                      ComponentCut(ParsedAntennaCode(best.code.c_str()))),
              kEqualCutDb);
  }
}

// Within the tolerance the code closest to the measurement ranks first: a
// flat cut gives the non-directional code however its file rounds, not one
// that attenuates up to the tolerance everywhere.
TEST(PatternFit, AFlatCutGivesTheNonDirectionalCodeHoweverItIsRounded) {
  for (const char* zero : {"0", "0.0", "0.00"}) {
    std::string text = "angle,horizontal loss\n";
    for (int a = 0; a < 360; a += 10) text += std::to_string(a) + "," + zero + "\n";
    const PatternReading reading = ParsePatternText(text, PatternFormat::kCsv);
    ASSERT_TRUE(reading.file) << reading.error;
    PatternFitRequest request;
    request.top = 1;
    const PatternFit fit = FitPattern(*reading.file, request, CodeSpace::Full());
    EXPECT_EQ(fit.horizontal->results.front().code, "000ND00") << zero;
    EXPECT_EQ(fit.horizontal->results.front().score.maxDeviation, 0.0) << zero;
  }
}

// Asked to compare, a fit names each cut's best code under both criteria:
// the first code of a fit by each criterion alone.
TEST(PatternFit, ComparesTheBestCodesOfBothCriteria) {
  const CodeSpace space = CodeSpace::Thinned(5);
  const CutLosses h = ComponentCut(ParsedAntennaCode("065EB12"));
  const CutLosses v = ComponentCut(ParsedAntennaCode("207VC21"));
  const PatternReading reading =
      ParsePatternText(Msi(Quirks{"065EB12", "207VC21", 0, 0, 0.0, 0}, h, v), PatternFormat::kMsi);
  ASSERT_TRUE(reading.file) << reading.error;
  PatternFitRequest request;
  request.top = 1;
  PatternFitRequest rms = request;
  rms.criterion = FitCriterion::kRms;
  const PatternFit byEnvelope = FitPattern(*reading.file, request, space);
  const PatternFit byRms = FitPattern(*reading.file, rms, space);
  for (PatternFitRequest compared : {request, rms}) {
    compared.compareCriteria = true;
    const PatternFit fit = FitPattern(*reading.file, compared, space);
    for (const auto& [cut, envelopeCut, rmsCut] :
         {std::tuple{&fit.horizontal, &byEnvelope.horizontal, &byRms.horizontal},
          std::tuple{&fit.vertical, &byEnvelope.vertical, &byRms.vertical}}) {
      ASSERT_TRUE((*cut)->bestEnvelope && (*cut)->bestRms);
      EXPECT_EQ((*cut)->bestEnvelope->code, (*envelopeCut)->results.front().code);
      EXPECT_EQ((*cut)->bestRms->code, (*rmsCut)->results.front().code);
    }
  }
  EXPECT_NE(byEnvelope.vertical->results.front().code, byRms.vertical->results.front().code);
}

}  // namespace
}  // namespace veltrisko
