// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fit/pattern_fit.h"
#include "text/fit_texts.h"

namespace veltrisko {

// The texts and rows of "Extras -> Antennencode anpassen…", the same in both
// viewers.
inline constexpr std::array<Text, 4> kFitColumns = {
    texts::kFitColumnCode, texts::kFitColumnMaxDeviation, texts::kFitColumnRms,
    texts::kFitColumnMeanExcess};
inline constexpr Text kFitComponentNames[2] = {texts::kFitHorizontal, texts::kFitVertical};
struct FitCriterionChoice {
  FitCriterion criterion;
  Text text;
};
inline constexpr FitCriterionChoice kFitCriteria[2] = {
    {FitCriterion::kEnvelope, texts::kFitEnvelope}, {FitCriterion::kRms, texts::kFitLeastRms}};
inline constexpr int kMostFitRows = 100;

// One list row: the code (or the run of equally good codes it stands for),
// its largest deviation, RMS and mean excess in dB. A chosen row sets
// `RankedCode::code`.
std::array<std::string, 4> FitRow(const RankedCode& code, Language language = kDefaultLanguage);

// A list's title: the component, and why it has no rows or other rows than
// asked for.
std::string FitListTitle(int component, bool hasCut, const std::optional<CutFit>& cut,
                         Language language = kDefaultLanguage);

// "N Codes je Komponente durchsucht in S s"
std::string FitStatus(std::size_t codesSearched, double seconds,
                      Language language = kDefaultLanguage);

}  // namespace veltrisko
