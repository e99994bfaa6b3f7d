// SPDX-License-Identifier: MIT
#include "app/logic/fit_rows.h"

namespace veltrisko {

std::array<std::string, 4> FitRow(const RankedCode& code, Language language) {
  return {EqualCodesText(code, language), DecimalNumber(code.score.maxDeviation, 2, language),
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

}  // namespace veltrisko
