// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fit/fit_session.h"
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
// A chosen code that deviates more than this somewhere gets a warning.
inline constexpr double kFitWarningDb = 6.0;

// What the viewers ask of a fit: the settings shown, both criteria's best
// codes for the comparison, the codes in force for the tie order.
PatternFitRequest ViewerFitRequest(FitCriterion criterion, std::optional<double> toleranceDb,
                                   int top, std::string horizontalReference,
                                   std::string verticalReference);

// A row's codes: one code, or its first codes and how many more, as a list
// that cannot be read as a range ("075KA00, 075KA01 und 74 weitere"). The
// first is RankedCode::code, the one that choosing the row sets.
std::string FitRowCodes(const RankedCode& code, Language language = kDefaultLanguage);

// One list row: its codes, its largest deviation, RMS and mean excess in dB.
std::array<std::string, 4> FitRow(const RankedCode& code, Language language = kDefaultLanguage);

// A list's title: the component, and why it has no rows or other rows than
// asked for.
std::string FitListTitle(int component, bool hasCut, const std::optional<CutFit>& cut,
                         Language language = kDefaultLanguage);

// "N Codes je Komponente durchsucht in S s"
std::string FitStatus(std::size_t codesSearched, double seconds,
                      Language language = kDefaultLanguage);

// "Suche läuft … 42 %" while a fit runs.
std::string FitRunningStatus(double progress, Language language = kDefaultLanguage);

// The best codes of both criteria side by side, one line each with what the
// criterion means: envelope first, then RMS. Empty without a comparison.
std::vector<std::string> FitCriteriaLines(const PatternFit& fit,
                                          Language language = kDefaultLanguage);

// The best pair's figures combined by V6 and V7 against both cuts, as the
// command line gives them; none without both cuts' codes.
std::optional<std::string> FitPairLine(const PatternFit& fit, Language language = kDefaultLanguage);

// A warning for each component whose chosen row (`rows`, -1: the first)
// deviates more than kFitWarningDb somewhere, naming where and which way;
// empty when none does.
std::vector<std::string> FitWarnings(const PatternFit& fit, const std::array<int, 2>& rows,
                                     Language language = kDefaultLanguage);

// "Ausrichtung übernehmen": the view's azimuth and elevation that turn the
// antenna's main direction to the measured one, 0 for a component without
// a cut; none (the button not offered) when neither cut was fitted.
struct FitOrientation {
  double azimuth = 0.0;
  double elevation = 0.0;
};
std::optional<FitOrientation> FitOrientationOf(const PatternFit& fit);

}  // namespace veltrisko
