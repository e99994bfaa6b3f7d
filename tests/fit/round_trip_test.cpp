// SPDX-License-Identifier: MIT
// Codes written to an MSI Planet file, read back and fitted over every code
// the panel composes; and measured cuts that depart from any code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "fit/code_fit.h"
#include "interchange/msi_format.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

// The largest difference between two codes' diagrams over the cut angles.
double DiagramDistance(const std::string& a, const std::string& b) {
  const CutLosses first = ComponentCut(ParsedAntennaCode(a.c_str()));
  const CutLosses second = ComponentCut(ParsedAntennaCode(b.c_str()));
  double distance = 0.0;
  for (int i = 0; i < kCutPoints; ++i)
    distance = std::max(distance, std::fabs(first[i] - second[i]));
  return distance;
}

// The recovered code is the original, or one whose diagram the file's two
// decimals cannot tell from it.
void ExpectRecovered(const std::vector<RankedCode>& best, const std::string& original) {
  ASSERT_FALSE(best.empty());
  if (best.front().code == original) return;
  EXPECT_LE(DiagramDistance(best.front().code, original), 0.02)
      << original << " fitted as " << best.front().code;
}

TEST(RoundTrip, ExportReadAndFitRecoversTheCodesOfEveryFamily) {
  const std::pair<const char*, const char*> pairs[] = {
      {"030EA10", "000ND00"}, {"045EB05", "130VA20"}, {"060EC20", "205WA31"},
      {"025DE08", "450TA05"}, {"090LA12", "723VF15"}, {"070KA00", "918WI72"},
      {"040CA05", "012EA03"}, {"055CB10", "030CC02"},
  };
  FitSettings settings;
  settings.top = 1;
  for (const auto& [horizontal, vertical] : pairs) {
    const PatternCuts cuts{ComponentCut(ParsedAntennaCode(horizontal)),
                           ComponentCut(ParsedAntennaCode(vertical))};
    const PatternReading reading =
        ParsePatternText(FormatMsiPattern(cuts, {"round trip", 0.0, ""}), PatternFormat::kMsi);
    ASSERT_TRUE(reading.file) << reading.error;
    const CodeFit fit =
        FitCodes(LossesOnDegreeGrid(*reading.file->horizontal),
                 LossesOnDegreeGrid(*reading.file->vertical), settings, CodeSpace::Full());
    ExpectRecovered(*fit.horizontal, horizontal);
    ExpectRecovered(*fit.vertical, vertical);
  }
}

const RankedCode& BestFor(const CutLosses& cut, FitCriterion criterion, double toleranceDb) {
  static CodeFit fit;
  FitSettings settings;
  settings.criterion = criterion;
  settings.toleranceDb = toleranceDb;
  fit = FitCodes(cut, std::nullopt, settings, CodeSpace::Full());
  return fit.horizontal->front();
}

TEST(RoundTrip, PerturbedCutsGiveSensibleCodes) {
  // Noise of 0.5 dB: both criteria find the sector antenna, the envelope
  // once its tolerance covers the noise.
  CutLosses noisy = ComponentCut(ParsedAntennaCode("065EB12"));
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0.0, 0.5);
  for (double& loss : noisy) loss = std::max(0.0, loss + noise(random));
  for (const auto& [criterion, tolerance] :
       {std::pair{FitCriterion::kRms, 0.0}, std::pair{FitCriterion::kEnvelope, 1.5}}) {
    const std::string code = BestFor(noisy, criterion, tolerance).code;
    EXPECT_EQ(code.substr(3, 2), "EB") << code;
    EXPECT_NEAR(std::stoi(code.substr(0, 3)), 65, 2) << code;
  }
  // Without tolerance, noise below the diagram leaves only codes that
  // promise no suppression anywhere near it.
  EXPECT_EQ(BestFor(noisy, FitCriterion::kEnvelope, 0.0).code, "000ND00");

  // A deeper null behind does not change the envelope fit.
  CutLosses deeper = ComponentCut(ParsedAntennaCode("030EA10"));
  std::fill(deeper.begin() + 150, deeper.begin() + 211, 35.0);
  EXPECT_EQ(BestFor(deeper, FitCriterion::kEnvelope, 0.0).code, "030EA10");

  // A side lobe of 15 dB at 90..110 degrees on both sides: the envelope
  // fit gives up the 26 dB floor of the original there.
  CutLosses lobe = ComponentCut(ParsedAntennaCode("030EA05"));
  for (int a = 90; a <= 110; ++a) lobe[a] = lobe[360 - a] = 15.0;
  const RankedCode& best = BestFor(lobe, FitCriterion::kEnvelope, 0.0);
  EXPECT_NE(best.code, "030EA05");
  EXPECT_LE(ComponentLoss(ParsedAntennaCode(best.code.c_str()), 100), 15.0f);
  EXPECT_GT(best.MeanExcess(), 0.0);
}

}  // namespace
}  // namespace veltrisko
