// SPDX-License-Identifier: MIT
#include "app/logic/fit_rows.h"

#include "analysis/direction_readout.h"

namespace veltrisko {

std::array<std::string, 4> FitRow(const RankedCode& code) {
  return {code.code, GermanNumber(code.score.maxDeviation, 2), GermanNumber(code.Rms(), 2),
          GermanNumber(code.MeanExcess(), 2)};
}

std::string FitListTitle(int component, bool hasCut,
                         const std::optional<std::vector<RankedCode>>& codes) {
  std::string title = kFitComponentNames[component];
  if (!hasCut) return title + ": kein Schnitt in der Datei";
  if (codes && codes->empty()) return title + ": kein Code bleibt innerhalb der Hüllkurve";
  return title;
}

std::string FitStatus(std::size_t codesSearched, double seconds) {
  return std::to_string(codesSearched) + " Codes je Komponente durchsucht in " +
         GermanNumber(seconds, 2) + " s";
}

}  // namespace veltrisko
