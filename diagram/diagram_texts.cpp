// SPDX-License-Identifier: MIT
#include "diagram/diagram_texts.h"

#include <algorithm>
#include <cmath>

#include "text/legend_texts.h"

namespace veltrisko {
namespace {

std::string Db(double value, Language language) {
  return DecimalNumber(value, 2, language) + " dB";
}

}  // namespace

const CurveLook& LookOf(DiagramCurve curve) {
  static const CurveLook looks[kDiagramCurveCount] = {
      {texts::kCurveHorizontalGain, texts::kKeyHorizontalGain, {220, 0, 0}, Stroke::kSolid},
      {texts::kCurveVerticalGain, texts::kKeyVerticalGain, {0, 150, 0}, Stroke::kSolid},
      {texts::kCurveV6, {"V6", "V6"}, {20, 80, 230}, Stroke::kSolid},
      {texts::kCurveV7, {"V7", "V7"}, {235, 130, 0}, Stroke::kSolid},
      {texts::kCurveDifference, {"|V6 − V7|", "|V6 − V7|"}, {150, 0, 190}, Stroke::kDashed},
      {texts::kCurveImported, texts::kKeyImported, {70, 70, 70}, Stroke::kDotted},
  };
  return looks[static_cast<int>(curve)];
}

std::string CurveBoxText(const DiagramInput& input, DiagramCurve curve) {
  if (curve == DiagramCurve::kImported && !input.importedName.empty())
    return ImportedFileLine(input);
  return InString(input.language, LookOf(curve).name);
}

std::string PlotIdentity(const DiagramInput& input) {
  const auto code = [](const std::string& c) { return c.empty() ? std::string("–") : c; };
  return "hor. " + code(input.horizontalCode) + "   vert. " + code(input.verticalCode) + "   HCM " +
         (input.useHcmV7 ? "V7" : "V6");
}

std::string ImportedFileLine(const DiagramInput& input) {
  return input.importedName.empty()
             ? std::string()
             : InString(input.language, texts::kFile) + " " + input.importedName;
}

std::string DiagramPageTitle(const DiagramInput& input) {
  std::string title = InString(input.language, texts::kDiagramPageTitle) + PlotIdentity(input);
  if (!input.importedName.empty()) title += "   " + ImportedFileLine(input);
  return title;
}

std::string DiagramReading(const DiagramInput& input, CutKind kind, double angle) {
  // Beyond +-90 the vertical cut's angle lies on the circle's back half.
  const CirclePoint point =
      kind == CutKind::kVertical ? OnVerticalCircle(angle) : CirclePoint{angle, false};
  const std::optional<CutCurves>& curves = point.back ? input.verticalBack : input.Cut(kind);
  if (!curves || curves->angles.empty()) return {};
  const auto& a = curves->angles;
  const auto nearest = std::min_element(a.begin(), a.end(), [&](float x, float y) {
    return std::fabs(x - point.elevation) < std::fabs(y - point.elevation);
  });
  const auto i = static_cast<std::size_t>(nearest - a.begin());
  const Language language = input.language;
  const auto db = [language](double value) { return Db(value, language); };
  std::string text = InString(language, kind == CutKind::kHorizontal ? texts::kReadingAzimuth
                                                                     : texts::kReadingElevation) +
                     " " + DecimalNumber(a[i], 1, language) + "°" +
                     (point.back ? InString(language, texts::kReadingBack) : std::string()) +
                     ":  hor. " + db(curves->horizontalGainDb[i]) + ",  vert. " +
                     db(curves->verticalGainDb[i]) + ",  V6 " + db(-curves->v6Db[i]) + ",  V7 " +
                     db(-curves->v7Db[i]) + ",  " + InString(language, texts::kReadingDifference) +
                     " " + db(curves->differenceDb[i]);
  const std::optional<std::vector<float>>& imported =
      point.back ? input.importedVerticalBack : input.Imported(kind);
  if (imported && i < imported->size())
    text += ",  " + InString(language, texts::kKeyImported) + " " + input.importedName + " " +
            db((*imported)[i]);
  return text;
}

}  // namespace veltrisko
