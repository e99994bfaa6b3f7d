// SPDX-License-Identifier: MIT
#include "app/logic/fit_rows.h"

#include "analysis/direction_readout.h"

namespace veltrisko {

std::array<std::string, 4> FitRow(const RankedCode& code) {
  return {EqualCodesText(code), GermanNumber(code.score.maxDeviation, 2),
          GermanNumber(code.Rms(), 2), GermanNumber(code.MeanExcess(), 2)};
}

std::string FitListTitle(int component, bool hasCut, const std::optional<CutFit>& cut) {
  std::string title = kFitComponentNames[component];
  if (!hasCut) return title + ": kein Schnitt in der Datei";
  if (cut && cut->noDirectionalCode)
    return title +
           ": kein gerichteter Code bleibt innerhalb der Hüllkurve; die besten Codes nach RMS";
  if (cut && cut->results.empty()) return title + ": kein Code bleibt innerhalb der Hüllkurve";
  return title;
}

std::string FitStatus(std::size_t codesSearched, double seconds) {
  return std::to_string(codesSearched) + " Codes je Komponente durchsucht in " +
         GermanNumber(seconds, 2) + " s";
}

}  // namespace veltrisko
