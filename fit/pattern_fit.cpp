// SPDX-License-Identifier: MIT
#include "fit/pattern_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/parsed_antenna_code.h"
#include "text/fit_texts.h"

namespace veltrisko {
namespace {

// A cut whose main lobe is narrower than this has a direction that a
// non-directional code does not describe.
constexpr double kDirectionalBeamwidth = 180.0;

CutFit Prepare(const std::vector<CutPoint>& points, bool align) {
  CutFit cut;
  cut.shape = MeasureCut(points);
  cut.fitted = align ? AlignedLosses(points, cut.shape) : LossesOnDegreeGrid(points);
  return cut;
}

bool HasMainLobe(const CutFit& cut) {
  return cut.shape.beamwidth3Db && *cut.shape.beamwidth3Db < kDirectionalBeamwidth;
}

bool LeadIsFlat(const std::vector<RankedCode>& results) {
  if (results.empty()) return false;
  const CutLosses losses = ComponentCut(ParsedAntennaCode(results.front().code.c_str()));
  CodeCut cut;
  std::copy(losses.begin(), losses.end(), cut.begin());
  return IsFlatCut(cut);
}

std::optional<CutLosses> Fitted(const std::optional<CutFit>& cut, bool wanted = true) {
  if (!cut || !wanted) return std::nullopt;
  return cut->fitted;
}

// "12,3" in German, "12.3" in English, with `decimals` decimals.
std::string Number(double value, int decimals, Language language) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0);
  std::string number(text);
  if (language == Language::kGerman) std::replace(number.begin(), number.end(), '.', ',');
  // A value rounded to zero has no sign.
  if (number.front() == '-' && number.find_first_of("123456789") == std::string::npos) {
    number.erase(0, 1);
  }
  return number;
}

std::string Degrees(const std::optional<double>& value, Language language) {
  return value ? Number(*value, 1, language) + "°" : std::string("—");
}

}  // namespace

std::optional<double> PatternFit::HorizontalMainDirection() const {
  if (!horizontal) return std::nullopt;
  return horizontal->shape.mainAngle;
}

std::optional<double> PatternFit::VerticalMainElevation() const {
  if (!vertical) return std::nullopt;
  return -vertical->shape.mainAngle + 0.0;
}

std::optional<double> PatternFit::HorizontalBeamwidth() const {
  return horizontal ? horizontal->shape.beamwidth3Db : std::nullopt;
}

std::optional<double> PatternFit::VerticalBeamwidth() const {
  return vertical ? vertical->shape.beamwidth3Db : std::nullopt;
}

std::optional<double> PatternFit::FrontToBack() const {
  if (horizontal) return horizontal->shape.backLossDb;
  if (vertical) return vertical->shape.backLossDb;
  return std::nullopt;
}

std::optional<PatternFit> FitPatternBy(const PatternFile& file, const PatternFitRequest& request,
                                       const StageSearch& search) {
  PatternFit fit;
  fit.criterion = request.criterion;
  fit.toleranceDb = request.toleranceDb.value_or(file.halfUnitDb);
  fit.aligned = request.align;
  if (file.horizontal) fit.horizontal = Prepare(*file.horizontal, request.align);
  if (file.vertical) fit.vertical = Prepare(*file.vertical, request.align);

  FitSettings settings;
  settings.criterion = request.criterion;
  settings.toleranceDb = fit.toleranceDb;
  settings.top = request.top;
  settings.horizontalReference = request.horizontalReference;
  settings.verticalReference = request.verticalReference;
  const std::optional<CodeFit> codes =
      search(FitStage::kMain, Fitted(fit.horizontal), Fitted(fit.vertical), settings);
  if (!codes) return std::nullopt;
  fit.codesSearched = codes->codesSearched;
  if (fit.horizontal) fit.horizontal->results = *codes->horizontal;
  if (fit.vertical) fit.vertical->results = *codes->vertical;

  if (request.compareCriteria) {
    FitSettings other = settings;
    other.criterion =
        request.criterion == FitCriterion::kEnvelope ? FitCriterion::kRms : FitCriterion::kEnvelope;
    other.top = 1;
    const std::optional<CodeFit> best =
        search(FitStage::kOtherCriterion, Fitted(fit.horizontal), Fitted(fit.vertical), other);
    if (!best) return std::nullopt;
    const auto keep = [&request](std::optional<CutFit>& cut,
                                 const std::optional<std::vector<RankedCode>>& others) {
      if (!cut) return;
      const bool envelope = request.criterion == FitCriterion::kEnvelope;
      std::optional<RankedCode>& same = envelope ? cut->bestEnvelope : cut->bestRms;
      std::optional<RankedCode>& changed = envelope ? cut->bestRms : cut->bestEnvelope;
      if (!cut->results.empty()) same = cut->results.front();
      if (others && !others->empty()) changed = others->front();
    };
    keep(fit.horizontal, best->horizontal);
    keep(fit.vertical, best->vertical);
  }

  // Under the envelope a cut with a main lobe that only non-directional
  // codes stay within gets the best codes by RMS instead.
  if (request.criterion == FitCriterion::kEnvelope) {
    const auto lacksCode = [](const std::optional<CutFit>& cut) {
      return cut && HasMainLobe(*cut) && LeadIsFlat(cut->results);
    };
    const bool horizontal = lacksCode(fit.horizontal);
    const bool vertical = lacksCode(fit.vertical);
    if (horizontal || vertical) {
      settings.criterion = FitCriterion::kRms;
      const std::optional<CodeFit> rms =
          search(FitStage::kRmsInstead, Fitted(fit.horizontal, horizontal),
                 Fitted(fit.vertical, vertical), settings);
      if (!rms) return std::nullopt;
      if (horizontal) {
        fit.horizontal->results = *rms->horizontal;
        fit.horizontal->noDirectionalCode = true;
      }
      if (vertical) {
        fit.vertical->results = *rms->vertical;
        fit.vertical->noDirectionalCode = true;
      }
    }
  }

  if (fit.horizontal && fit.vertical && !fit.horizontal->results.empty() &&
      !fit.vertical->results.empty()) {
    PairCheck pair;
    pair.horizontal = fit.horizontal->results.front().code;
    pair.vertical = fit.vertical->results.front().code;
    pair.v6 = CombinedDeviation(pair.horizontal, pair.vertical, fit.horizontal->fitted,
                                fit.vertical->fitted, CombinationRule::kV6);
    pair.v7 = CombinedDeviation(pair.horizontal, pair.vertical, fit.horizontal->fitted,
                                fit.vertical->fitted, CombinationRule::kV7);
    fit.bestPair = pair;
  }
  return fit;
}

PatternFit FitPattern(const PatternFile& file, const PatternFitRequest& request,
                      const CodeSpace& space, int threads, FitControl* control) {
  const std::size_t shapes = control != nullptr ? ShapesOf(space).size() : 0;
  return *FitPatternBy(
      file, request,
      [&](FitStage stage, const std::optional<CutLosses>& horizontal,
          const std::optional<CutLosses>& vertical, const FitSettings& settings) {
        if (control != nullptr) {
          control->shapesPlanned += PlannedShapes(stage, request, shapes);
        }
        return std::optional<CodeFit>(
            FitCodes(horizontal, vertical, settings, space, request.search, threads, control));
      });
}

std::size_t PlannedShapes(FitStage stage, const PatternFitRequest& request, std::size_t shapes) {
  // The first stages are planned together, so that the progress does not
  // reach its end before the comparison; the last only when it runs.
  switch (stage) {
    case FitStage::kMain:
      return shapes * (request.compareCriteria ? 2 : 1);
    case FitStage::kOtherCriterion:
      return 0;
    case FitStage::kRmsInstead:
      return shapes;
  }
  return 0;
}

std::string EqualCodesText(const RankedCode& result, Language language) {
  const std::vector<std::string>& codes = result.equalCodes;
  if (codes.size() <= 1) return result.code;
  const auto [first, last] = std::minmax_element(codes.begin(), codes.end());
  return *first + " … " + *last + ", " + std::to_string(codes.size()) +
         InString(language, texts::kFitCodes);
}

std::vector<std::string> FitInfoLines(const PatternFit& fit, Language language) {
  const auto in = [language](const Text& text) { return InString(language, text); };
  const auto degrees = [language](const std::optional<double>& v) { return Degrees(v, language); };
  std::vector<std::string> lines;
  lines.push_back(in(texts::kFitMainDirection) + degrees(fit.HorizontalMainDirection()) +
                  in(texts::kFitElevation) + degrees(fit.VerticalMainElevation()));
  lines.push_back(in(texts::kFitBeamwidth) + degrees(fit.HorizontalBeamwidth()) +
                  in(texts::kFitVerticalBeamwidth) + degrees(fit.VerticalBeamwidth()));
  const std::optional<double> frontToBack = fit.FrontToBack();
  lines.push_back(in(texts::kFitFrontToBack) +
                  (frontToBack ? Number(*frontToBack, 1, language) + " dB" : std::string("—")));
  if (fit.criterion == FitCriterion::kEnvelope) {
    const int decimals = fit.toleranceDb > 0.0 && fit.toleranceDb < 0.05
                             ? static_cast<int>(std::ceil(-std::log10(fit.toleranceDb) - 1e-9))
                             : 2;
    lines.push_back(in(texts::kFitTolerance) +
                    Number(fit.toleranceDb, std::min(decimals, 6), language) + " dB");
  }
  return lines;
}

}  // namespace veltrisko
