// SPDX-License-Identifier: MIT
#include "fit/code_fit.h"

#include <gtest/gtest.h>

#include <random>

#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

CutLosses CutOf(const char* code, double noiseDb = 0.0, unsigned seed = 1) {
  CutLosses losses = ComponentCut(ParsedAntennaCode(code));
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> noise(-noiseDb, noiseDb);
  for (double& loss : losses) loss = std::max(0.0, loss + noise(random));
  return losses;
}

void ExpectSameLists(const std::vector<RankedCode>& fast, const std::vector<RankedCode>& all) {
  ASSERT_EQ(fast.size(), all.size());
  for (std::size_t i = 0; i < fast.size(); ++i) {
    EXPECT_EQ(fast[i].code, all[i].code) << "rank " << i;
    EXPECT_EQ(fast[i].key, all[i].key) << "rank " << i;
  }
}

// Every catalogue kind, noisy and clean, a flat cut on which many codes tie,
// both criteria, a tolerance and a reference code for the tie order.
TEST(CodeFit, EqualsTheExhaustiveSearchOnAThinnedSpace) {
  const CodeSpace space = CodeSpace::Thinned(7);
  struct Case {
    CutLosses horizontal;
    CutLosses vertical;
    FitSettings settings;
  };
  FitSettings envelope;
  envelope.top = 8;
  FitSettings tolerant = envelope;
  tolerant.toleranceDb = 0.5;
  tolerant.horizontalReference = "000ND00";
  FitSettings rms = envelope;
  rms.criterion = FitCriterion::kRms;
  rms.verticalReference = "199WA33";
  const CutLosses flat{};
  for (const Case& c : {
           Case{CutOf("063EA14"), CutOf("207VC21"), envelope},
           Case{CutOf("049EB30", 1.0), CutOf("270TA07", 1.0, 2), envelope},
           Case{CutOf("030DE05"), CutOf("914WE36"), tolerant},
           Case{CutOf("070KA00", 2.0), CutOf("056LA28", 0.5), rms},
           Case{CutOf("042CB07"), CutOf("077EC99", 3.0), rms},
           Case{flat, flat, envelope},
           Case{flat, CutOf("063CC35"), rms},
       }) {
    const CodeFit fast = FitCodes(c.horizontal, c.vertical, c.settings, space, FitSearch::kFast);
    const CodeFit all =
        FitCodes(c.horizontal, c.vertical, c.settings, space, FitSearch::kExhaustive);
    EXPECT_EQ(fast.codesSearched, all.codesSearched);
    ExpectSameLists(*fast.horizontal, *all.horizontal);
    ExpectSameLists(*fast.vertical, *all.vertical);
  }
}

TEST(CodeFit, SearchesEveryCodeTheSlidersCompose) {
  const CodeSpace space = CodeSpace::Full();
  // 29 entries: ND once, five half-power and four constriction types with P3
  // 0..99, nine V and nine W types, TA; the model rejects a half-power angle
  // of 0 (P1 = 0 of EA..LA and TA).
  EXPECT_EQ(space.ComposedCount(),
            1 + (66 + 80 + 97 + 66 + 121 + 4 * 101 + 891) * 100 + 2 * 9 * 10 * 100 * 100);
  const CodeFit fit = FitCodes(CutLosses{}, std::nullopt, {}, space);
  EXPECT_EQ(fit.codesSearched, space.ComposedCount() - 6 * 100);
  EXPECT_FALSE(fit.vertical);
}

}  // namespace
}  // namespace veltrisko
