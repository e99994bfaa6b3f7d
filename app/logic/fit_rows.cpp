// SPDX-License-Identifier: MIT
#include "app/logic/fit_rows.h"

#include <algorithm>
#include <cmath>

namespace veltrisko {
namespace {

// Results of more codes than this name their first two and a count.
constexpr std::size_t kCodesListed = 3;

const std::optional<CutFit>& CutOf(const PatternFit& fit, int component) {
  return component == 0 ? fit.horizontal : fit.vertical;
}

// "065EB12 (max. 1,2 dB)", or "keiner".
std::string BestText(const std::optional<RankedCode>& best, Language language) {
  if (!best) return InString(language, texts::kFitNone);
  return best->code + InString(language, texts::kFitMaxShort) +
         DecimalNumber(best->score.maxDeviation, 1, language) + " dB)";
}

// Where a cut's angle lies: off the main direction when the cut was turned
// to it, else at the file's own azimuth or elevation.
std::string Where(int component, int angle, bool aligned, Language language) {
  const auto in = [language](const Text& text) { return InString(language, text); };
  const int offset = angle > 180 ? angle - 360 : angle;
  if (!aligned) {
    if (component == 0) return in(texts::kFitAtAzimuth) + std::to_string(angle) + "°";
    return in(texts::kFitAtElevation) + std::to_string(-offset) + "°";
  }
  if (offset == 0) return in(texts::kFitInMain);
  if (offset == 180) return in(texts::kFitOppositeMain);
  if (component == 0) {
    return in(texts::kFitAzimuthOff) + (offset > 0 ? "+" : "−") + std::to_string(std::abs(offset)) +
           "°" + in(texts::kFitOffMain);
  }
  // Vertical cut angles count downwards.
  return std::to_string(std::abs(offset)) + "°" +
         in(offset > 0 ? texts::kFitBelowMain : texts::kFitAboveMain);
}

}  // namespace

PatternFitRequest ViewerFitRequest(FitCriterion criterion, std::optional<double> toleranceDb,
                                   int top, std::string horizontalReference,
                                   std::string verticalReference) {
  PatternFitRequest request;
  request.criterion = criterion;
  if (toleranceDb && IsFitTolerance(*toleranceDb)) request.toleranceDb = toleranceDb;
  request.top = IsFitCount(top) ? top : request.top;
  request.horizontalReference = std::move(horizontalReference);
  request.verticalReference = std::move(verticalReference);
  request.compareCriteria = true;
  return request;
}

std::string FitRowCodes(const RankedCode& code, Language language) {
  const std::vector<std::string>& codes = code.equalCodes;
  if (codes.size() <= 1) return code.code;
  const std::size_t listed = codes.size() <= kCodesListed ? codes.size() : 2;
  std::string text;
  for (std::size_t i = 0; i < listed; ++i) text += (i > 0 ? ", " : "") + codes[i];
  if (listed < codes.size()) {
    text += InString(language, texts::kFitAndMore) + std::to_string(codes.size() - listed) +
            InString(language, texts::kFitMore);
  }
  return text;
}

std::array<std::string, 4> FitRow(const RankedCode& code, Language language) {
  return {FitRowCodes(code, language), DecimalNumber(code.score.maxDeviation, 2, language),
          DecimalNumber(code.Rms(), 2, language), DecimalNumber(code.MeanExcess(), 2, language)};
}

std::string FitListTitle(int component, bool hasCut, const std::optional<CutFit>& cut,
                         Language language) {
  const std::string title = InString(language, kFitComponentNames[component]);
  if (!hasCut) return title + InString(language, texts::kFitNoCut);
  if (cut && cut->noDirectionalCode)
    return title + InString(language, texts::kFitNoDirectionalCode);
  if (cut && cut->results.empty()) return title + InString(language, texts::kFitNoCode);
  return title;
}

std::string FitStatus(std::size_t codesSearched, double seconds, Language language) {
  return std::to_string(codesSearched) + InString(language, texts::kFitSearched) +
         DecimalNumber(seconds, 2, language) + " s";
}

std::string FitRunningStatus(double progress, Language language) {
  const int percent = static_cast<int>(std::floor(std::clamp(progress, 0.0, 1.0) * 100.0));
  return InString(language, texts::kFitRunning) + " " + std::to_string(percent) + " %";
}

std::vector<std::string> FitCriteriaLines(const PatternFit& fit, Language language) {
  const bool compared =
      (fit.horizontal && (fit.horizontal->bestEnvelope || fit.horizontal->bestRms)) ||
      (fit.vertical && (fit.vertical->bestEnvelope || fit.vertical->bestRms));
  if (!compared) return {};
  std::vector<std::string> lines;
  for (const bool envelope : {true, false}) {
    std::string line =
        InString(language, envelope ? texts::kFitEnvelopeMeaning : texts::kFitRmsMeaning);
    const auto best = [envelope](const CutFit& cut) {
      return envelope ? cut.bestEnvelope : cut.bestRms;
    };
    if (fit.horizontal) {
      line +=
          InString(language, texts::kFitBestHorizontal) + BestText(best(*fit.horizontal), language);
    }
    if (fit.vertical) {
      line += InString(language,
                       fit.horizontal ? texts::kFitBestVertical : texts::kFitBestVerticalAlone) +
              BestText(best(*fit.vertical), language);
    }
    lines.push_back(line);
  }
  return lines;
}

std::optional<std::string> FitPairLine(const PatternFit& fit, Language language) {
  if (!fit.bestPair) return std::nullopt;
  const PairCheck& pair = *fit.bestPair;
  const auto in = [language](const Text& text) { return InString(language, text); };
  std::string line =
      in(texts::kFitPair) + pair.horizontal + " " + pair.vertical + in(texts::kFitPairCombined);
  const auto figures = [&](const char* rule, const PairDeviation& deviation) {
    return rule + in(texts::kFitPairMax) + DecimalNumber(deviation.maxDeviation, 2, language) +
           in(texts::kFitPairRms) + DecimalNumber(deviation.rms, 2, language) + " dB";
  };
  return line + figures("V6", pair.v6) + "; " + figures("V7", pair.v7);
}

std::vector<std::string> FitWarnings(const PatternFit& fit, const std::array<int, 2>& rows,
                                     Language language) {
  std::vector<std::string> warnings;
  for (int component = 0; component < 2; ++component) {
    const std::optional<CutFit>& cut = CutOf(fit, component);
    if (!cut || cut->results.empty()) continue;
    const int row = rows[static_cast<std::size_t>(component)];
    const std::size_t index =
        row >= 0 && static_cast<std::size_t>(row) < cut->results.size() ? row : 0;
    const RankedCode& code = cut->results[index];
    if (!(code.score.maxDeviation > kFitWarningDb)) continue;
    const auto in = [language](const Text& text) { return InString(language, text); };
    warnings.push_back(
        in(texts::kFitCaution) + code.code +
        in(component == 0 ? texts::kFitDeviatesHorizontal : texts::kFitDeviatesVertical) +
        DecimalNumber(code.score.maxDeviation, 1, language) + in(texts::kFitDeviatesDb) +
        Where(component, code.score.worstAngle, fit.aligned, language) +
        in(code.score.worstExcess > 0.0 ? texts::kFitAttenuatesLess : texts::kFitAttenuatesMore));
  }
  return warnings;
}

std::optional<FitOrientation> FitOrientationOf(const PatternFit& fit) {
  const std::optional<double> azimuth = fit.HorizontalMainDirection();
  const std::optional<double> elevation = fit.VerticalMainElevation();
  if (!azimuth && !elevation) return std::nullopt;
  return FitOrientation{azimuth.value_or(0.0), elevation.value_or(0.0)};
}

}  // namespace veltrisko
