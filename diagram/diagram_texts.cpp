// SPDX-License-Identifier: MIT
#include "diagram/diagram_texts.h"

#include <algorithm>
#include <cmath>

#include "analysis/direction_readout.h"

namespace veltrisko {
namespace {

std::string Db(double value) { return GermanNumber(value, 2) + " dB"; }

}  // namespace

const CurveLook& LookOf(DiagramCurve curve) {
  static const CurveLook looks[kDiagramCurveCount] = {
      {"Gewinn horizontale Komponente", "hor. Komp.", {220, 0, 0}, Stroke::kSolid},
      {"Gewinn vertikale Komponente", "vert. Komp.", {0, 150, 0}, Stroke::kSolid},
      {"Kombination HCM V6", "V6", {20, 80, 230}, Stroke::kSolid},
      {"Kombination HCM V7", "V7", {235, 130, 0}, Stroke::kSolid},
      {"Unterschied |V6 − V7|", "|V6 − V7|", {150, 0, 190}, Stroke::kDashed},
      {"Importierte Datei", "Datei", {70, 70, 70}, Stroke::kDotted},
  };
  return looks[static_cast<int>(curve)];
}

std::string CurveBoxText(const DiagramInput& input, DiagramCurve curve) {
  if (curve == DiagramCurve::kImported && !input.importedName.empty())
    return ImportedFileLine(input);
  return LookOf(curve).name;
}

std::string PlotIdentity(const DiagramInput& input) {
  const auto code = [](const std::string& c) { return c.empty() ? std::string("–") : c; };
  return "hor. " + code(input.horizontalCode) + "   vert. " + code(input.verticalCode) + "   HCM " +
         (input.useHcmV7 ? "V7" : "V6");
}

std::string ImportedFileLine(const DiagramInput& input) {
  return input.importedName.empty() ? std::string() : "Datei: " + input.importedName;
}

std::string DiagramReading(const DiagramInput& input, CutKind kind, double angle) {
  const std::optional<CutCurves>& curves = input.Cut(kind);
  if (!curves || curves->angles.empty()) return {};
  const auto& a = curves->angles;
  const auto nearest = std::min_element(a.begin(), a.end(), [&](float x, float y) {
    return std::fabs(x - angle) < std::fabs(y - angle);
  });
  const auto i = static_cast<std::size_t>(nearest - a.begin());
  std::string text = std::string(kind == CutKind::kHorizontal ? "Azimut " : "Elevation ") +
                     GermanNumber(a[i], 1) + "°:  hor. " + Db(curves->horizontalGainDb[i]) +
                     ",  vert. " + Db(curves->verticalGainDb[i]) + ",  V6 " + Db(-curves->v6Db[i]) +
                     ",  V7 " + Db(-curves->v7Db[i]) + ",  Unterschied " +
                     Db(curves->differenceDb[i]);
  const std::optional<std::vector<float>>& imported = input.Imported(kind);
  if (imported && i < imported->size())
    text += ",  Datei " + input.importedName + " " + Db((*imported)[i]);
  return text;
}

}  // namespace veltrisko
