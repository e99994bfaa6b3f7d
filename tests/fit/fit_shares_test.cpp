// SPDX-License-Identifier: MIT
#include "fit/fit_shares.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "fit/fit_part_text.h"

namespace veltrisko {
namespace {

// Every number of a fit's results, exactly.
std::string Exactly(const PatternFit& fit) {
  std::string text = std::to_string(fit.codesSearched);
  const auto number = [&text](double value) {
    char hex[40];
    std::snprintf(hex, sizeof hex, " %a", value);
    text += hex;
  };
  const auto ranked = [&](const RankedCode& r) {
    text += "\n" + r.code + " " + std::to_string(r.changed) + " " +
            std::to_string(r.score.withinEnvelope) + " " + std::to_string(r.score.worstAngle);
    for (double v : {r.key, r.score.sumExcess, r.score.sumAbsExcess, r.score.sumSquares,
                     r.score.maxDeviation, r.score.worstExcess}) {
      number(v);
    }
    for (const std::string& code : r.equalCodes) text += " " + code;
  };
  for (const std::optional<CutFit>* cut : {&fit.horizontal, &fit.vertical}) {
    if (!*cut) continue;
    text += "\ncut " + std::to_string((*cut)->noDirectionalCode);
    for (const RankedCode& r : (*cut)->results) ranked(r);
    for (const std::optional<RankedCode>* best : {&(*cut)->bestEnvelope, &(*cut)->bestRms}) {
      if (*best) ranked(**best);
    }
  }
  if (fit.bestPair) text += "\npair " + fit.bestPair->horizontal + " " + fit.bestPair->vertical;
  return text;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// `shares` workers in rounds as the page runs them, until the merge ends the
// fit; each share's last report of its shapes done and planned.
FitOutcome Shared(const PatternFile& file, const PatternFitRequest& request, const CodeSpace& space,
                  std::size_t shares, std::vector<std::pair<std::size_t, std::size_t>>& reports,
                  int& rounds) {
  std::vector<std::string> parts;
  reports.assign(shares, {0, 0});
  for (rounds = 1; rounds <= kFitStages; ++rounds) {
    for (std::size_t k = 0; k < shares; ++k) {
      parts.push_back(RunFitShare(file, request, space, {k, shares}, parts,
                                  [&reports, k](std::size_t done, std::size_t planned) {
                                    reports[k] = {done, planned};
                                  }));
    }
    const MergedFit merged = MergeFitShares(file, request, parts);
    EXPECT_FALSE(merged.broken);
    if (merged.outcome) return *merged.outcome;
  }
  ADD_FAILURE() << "no outcome after " << kFitStages << " rounds";
  return {};
}

// Any number of shares, merged, give exactly the fit of one thread: every
// shape scanned once (the same codes searched, each share ending with all
// its planned shapes done, the plans adding up to the one thread's), the
// same ranking, ties and findings, through every stage a fit may run.
TEST(FitShares, MergedGiveExactlyTheFitOfOneThread) {
  const CodeSpace space = CodeSpace::Thinned(3);
  const PatternReading real =
      ReadPatternBytes("fit_input_horizontal.csv", Bytes(VELTRISKO_FIT_INPUT));
  // A narrow lobe whose dips no directional code stays within.
  std::string notch = "angle,horizontal loss\n0,0\n5,20\n10,0\n180,0\n350,0\n355,20\n";
  const PatternReading notched = ReadPatternBytes("notch.csv", notch);
  ASSERT_TRUE(real.file && notched.file);
  PatternFitRequest viewer;  // as the viewers ask
  viewer.top = 4;
  viewer.compareCriteria = true;
  viewer.horizontalReference = "030EA10";
  PatternFitRequest rms = viewer;
  rms.criterion = FitCriterion::kRms;
  rms.compareCriteria = false;
  struct Case {
    const PatternFile* file;
    PatternFitRequest request;
    int rounds;
  };
  for (const Case& c :
       {Case{&*real.file, viewer, 2}, Case{&*real.file, rms, 1}, Case{&*notched.file, viewer, 3}}) {
    std::size_t planned = 0;
    const FitOutcome one = FitOnThisThread(*c.file, c.request, space, [](double) {});
    FitControl control;
    FitPattern(*c.file, c.request, space, 1, &control);
    planned = control.shapesPlanned;
    for (const std::size_t shares : {1, 2, 3, 5}) {
      SCOPED_TRACE(std::to_string(c.rounds) + " rounds, " + std::to_string(shares) + " shares");
      std::vector<std::pair<std::size_t, std::size_t>> reports;
      int rounds = 0;
      const FitOutcome merged = Shared(*c.file, c.request, space, shares, reports, rounds);
      EXPECT_EQ(Exactly(merged.fit), Exactly(one.fit));
      EXPECT_EQ(rounds, c.rounds);
      std::size_t plannedByShares = 0;
      for (const auto& [done, plan] : reports) {
        EXPECT_EQ(done, plan);
        plannedByShares += plan;
      }
      EXPECT_EQ(plannedByShares, planned);
    }
  }
}

// A worker's part damaged on its way is no part, and the merge of a round
// holding it says so rather than giving rows.
TEST(FitShares, ADamagedPartIsRefused) {
  const CodeSpace space = CodeSpace::Thinned(7);
  const PatternReading reading =
      ReadPatternBytes("fit_input_horizontal.csv", Bytes(VELTRISKO_FIT_INPUT));
  ASSERT_TRUE(reading.file);
  PatternFitRequest request;
  request.top = 2;
  const std::string part = RunFitShare(*reading.file, request, space, {0, 1}, {}, {});
  ASSERT_TRUE(FitPartFromText(part));
  const auto replaced = [&part](const std::string& from, const std::string& to) {
    std::string text = part;
    return text.replace(text.find(from), from.size(), to);
  };
  const std::string lead = part.substr(part.find("\ncode ") + 6);
  const std::string code = lead.substr(lead.find(' ', lead.find(' ') + 1) + 1, 7);
  for (const std::string& damaged :
       {std::string(), part.substr(0, part.size() / 2), replaced(" 0 1 ", " 1 1 "),
        replaced(" " + code + " ", " 000ND00 "), part + "code"}) {
    EXPECT_FALSE(FitPartFromText(damaged)) << damaged.substr(0, 80);
    EXPECT_TRUE(MergeFitShares(*reading.file, request, {damaged}).broken);
  }
}

}  // namespace
}  // namespace veltrisko
