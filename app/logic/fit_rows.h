// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fit/pattern_fit.h"

namespace veltrisko {

// The texts and rows of "Extras -> Antennencode anpassen…", the same in both
// viewers.
inline constexpr const char* kFitTitle = "Antennencode anpassen";
inline constexpr std::array<const char*, 4> kFitColumns = {"Code", "max. Abw. (dB)", "RMS (dB)",
                                                           "mittl. Überschuss (dB)"};
inline constexpr const char* kFitComponentNames[2] = {"Horizontal", "Vertikal"};
struct FitCriterionChoice {
  FitCriterion criterion;
  const char* text;
};
inline constexpr FitCriterionChoice kFitCriteria[2] = {
    {FitCriterion::kEnvelope, "Hüllkurve (Code dämpft nie mehr als gemessen)"},
    {FitCriterion::kRms, "kleinste mittlere quadratische Abweichung (RMS)"}};
inline constexpr const char* kFitMeasurementLabel = "Messung:";
inline constexpr const char* kFitCriterionLabel = "Kriterium:";
inline constexpr const char* kFitToleranceLabel = "Toleranz:";
inline constexpr const char* kFitCountLabel = "Anzahl:";
inline constexpr const char* kFitStartButton = "&Anpassen";
// The tolerance field's text for the file's own tolerance (half a unit of
// its last written decimal).
inline constexpr const char* kFitToleranceFromFile = "aus der Datei";
inline constexpr const char* kFitAlignButton = "Ausrichtung &übernehmen";
inline constexpr const char* kFitRunning = "Suche läuft …";
inline constexpr const char* kFitHint =
    "Eine gewählte Zeile setzt ihren Code im Dialog „Konfiguration des Antennentyps“. Gleich "
    "gute Codes: zuerst der mit den wenigsten geänderten Zeichen gegenüber dem aktuellen Code.";
inline constexpr const char* kFitNeedsPattern =
    "Zum Anpassen zuerst ein gemessenes Diagramm laden (Datei → Diagramm importieren…). Jetzt "
    "eines importieren?";
inline constexpr int kMostFitRows = 100;

// One list row: the code (or the run of equally good codes it stands for),
// its largest deviation, RMS and mean excess in dB. A chosen row sets
// `RankedCode::code`.
std::array<std::string, 4> FitRow(const RankedCode& code);

// A list's title: the component, and why it has no rows or other rows than
// asked for.
std::string FitListTitle(int component, bool hasCut, const std::optional<CutFit>& cut);

// "N Codes je Komponente durchsucht in S s"
std::string FitStatus(std::size_t codesSearched, double seconds);

}  // namespace veltrisko
