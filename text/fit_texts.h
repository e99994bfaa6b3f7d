// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// "Extras -> Antennencode anpassen…": the window's controls, its lists and
// the lines about the measured pattern.

namespace veltrisko::texts {

inline constexpr Text kFitTitle{"Antennencode anpassen", "Fit antenna code"};
inline constexpr Text kFitColumnCode{"Code", "Code"};
inline constexpr Text kFitColumnMaxDeviation{"max. Abw. (dB)", "max. dev. (dB)"};
inline constexpr Text kFitColumnRms{"RMS (dB)", "RMS (dB)"};
inline constexpr Text kFitColumnMeanExcess{"mittl. Überschuss (dB)", "mean excess (dB)"};
inline constexpr Text kFitHorizontal{"Horizontal", "Horizontal"};
inline constexpr Text kFitVertical{"Vertikal", "Vertical"};
inline constexpr Text kFitEnvelope{"Hüllkurve (Code dämpft nie mehr als gemessen)",
                                   "envelope (the code never attenuates more than measured)"};
inline constexpr Text kFitLeastRms{"kleinste mittlere quadratische Abweichung (RMS)",
                                   "least root-mean-square deviation (RMS)"};
inline constexpr Text kFitMeasurementLabel{"Messung:", "Measurement:"};
inline constexpr Text kFitCriterionLabel{"Kriterium:", "Criterion:"};
inline constexpr Text kFitToleranceLabel{"Toleranz:", "Tolerance:"};
inline constexpr Text kFitCountLabel{"Anzahl:", "Count:"};
inline constexpr Text kFitStartButton{"&Anpassen", "&Fit"};
inline constexpr Text kFitToleranceFromFile{"aus der Datei", "from the file"};
inline constexpr Text kFitAlignButton{"Ausrichtung &übernehmen", "&Apply orientation"};
inline constexpr Text kFitRunning{"Suche läuft …", "Searching …"};
inline constexpr Text kFitCancelButton{"A&bbrechen", "&Cancel"};
inline constexpr Text kFitCancelled{"Suche abgebrochen", "Search cancelled"};
inline constexpr Text kFitHint{
    "Eine gewählte Zeile setzt ihren Code im Dialog „Konfiguration des Antennentyps“. Gleich "
    "gute Codes: zuerst der mit den wenigsten geänderten Zeichen gegenüber dem aktuellen Code.",
    "A chosen row sets its code in the “Antenna type configuration” dialog. Of equally good "
    "codes, the one with the fewest characters changed from the current code comes first."};
inline constexpr Text kFitNeedsPattern{
    "Zum Anpassen zuerst ein gemessenes Diagramm laden (Datei → Diagramm importieren…). Jetzt "
    "eines importieren?",
    "To fit a code, first load a measured pattern (File → Import pattern…). Import one now?"};

// Why a list has no rows or other rows than asked for, after its title.
inline constexpr Text kFitNoCut{": kein Schnitt in der Datei", ": no cut in the file"};
inline constexpr Text kFitNoDirectionalCode{
    ": kein gerichteter Code bleibt innerhalb der Hüllkurve; die besten Codes nach RMS",
    ": no directional code stays within the envelope; the best codes by RMS"};
inline constexpr Text kFitNoCode{": kein Code bleibt innerhalb der Hüllkurve",
                                 ": no code stays within the envelope"};
// "N Codes je Komponente durchsucht in S s"; "075KA00 … 075KA75, 76 Codes".
inline constexpr Text kFitSearched{" Codes je Komponente durchsucht in ",
                                   " codes per component searched in "};
inline constexpr Text kFitCodes{" Codes", " codes"};

// The lines about the measured pattern.
inline constexpr Text kFitMainDirection{"Hauptrichtung: Azimut ", "Main direction: azimuth "};
inline constexpr Text kFitElevation{", Elevation ", ", elevation "};
inline constexpr Text kFitBeamwidth{"3-dB-Breite: horizontal ", "3-dB beamwidth: horizontal "};
inline constexpr Text kFitVerticalBeamwidth{", vertikal ", ", vertical "};
inline constexpr Text kFitFrontToBack{"Vor-Rück-Verhältnis: ", "Front-to-back ratio: "};
inline constexpr Text kFitTolerance{"Toleranz: ", "Tolerance: "};

// A result of several codes, "075KA00, 075KA01 und 74 weitere": its codes,
// not a range.
inline constexpr Text kFitAndMore{" und ", " and "};
inline constexpr Text kFitMore{" weitere", " more"};

// Both criteria's best codes side by side, each with what it means.
inline constexpr Text kFitEnvelopeMeaning{
    "Hüllkurve: dämpft nie mehr als die Antenne – die sichere Wahl für die Koordinierung.",
    "Envelope: never attenuates more than the antenna – the safe choice for coordination."};
inline constexpr Text kFitRmsMeaning{"RMS: folgt der gemessenen Form.",
                                     "RMS: follows the measured shape."};
inline constexpr Text kFitBestHorizontal{" Horizontal ", " Horizontal "};
inline constexpr Text kFitBestVertical{", vertikal ", ", vertical "};
inline constexpr Text kFitBestVerticalAlone{" Vertikal ", " Vertical "};
inline constexpr Text kFitMaxShort{" (max. ", " (max. "};
inline constexpr Text kFitNone{"keiner", "none"};

// "Bestes Paar 030EA10 020EA05, kombiniert gegen beide Schnitte – V6: …"
inline constexpr Text kFitPair{"Bestes Paar ", "Best pair "};
inline constexpr Text kFitPairCombined{", kombiniert gegen beide Schnitte – ",
                                       ", combined against both cuts – "};
inline constexpr Text kFitPairMax{": max. Abw. ", ": max. dev. "};
inline constexpr Text kFitPairRms{" dB, RMS ", " dB, RMS "};

// "Achtung: 013EA03 (vertikal) weicht um bis zu 29,6 dB von der Messung ab,
// 14° unter der Hauptrichtung; dort dämpft der Code weniger als gemessen."
inline constexpr Text kFitCaution{"Achtung: ", "Caution: "};
inline constexpr Text kFitDeviatesHorizontal{
    " (horizontal) weicht um bis zu ", " (horizontal) deviates from the measurement by up to "};
inline constexpr Text kFitDeviatesVertical{" (vertikal) weicht um bis zu ",
                                           " (vertical) deviates from the measurement by up to "};
inline constexpr Text kFitDeviatesDb{" dB von der Messung ab, ", " dB, "};
inline constexpr Text kFitAzimuthOff{"Azimut ", "azimuth "};
inline constexpr Text kFitOffMain{" neben der Hauptrichtung", " from the main direction"};
inline constexpr Text kFitBelowMain{" unter der Hauptrichtung", " below the main direction"};
inline constexpr Text kFitAboveMain{" über der Hauptrichtung", " above the main direction"};
inline constexpr Text kFitInMain{"in der Hauptrichtung", "in the main direction"};
inline constexpr Text kFitOppositeMain{"180° gegenüber der Hauptrichtung",
                                       "180° opposite the main direction"};
inline constexpr Text kFitAtElevation{"bei Elevation ", "at elevation "};
inline constexpr Text kFitAtAzimuth{"bei Azimut ", "at azimuth "};
inline constexpr Text kFitAttenuatesLess{"; dort dämpft der Code weniger als gemessen.",
                                         "; there the code attenuates less than measured."};
inline constexpr Text kFitAttenuatesMore{"; dort dämpft der Code mehr als gemessen.",
                                         "; there the code attenuates more than measured."};

inline constexpr std::array kFitTexts{
    kFitTitle,
    kFitColumnCode,
    kFitColumnMaxDeviation,
    kFitColumnRms,
    kFitColumnMeanExcess,
    kFitHorizontal,
    kFitVertical,
    kFitEnvelope,
    kFitLeastRms,
    kFitMeasurementLabel,
    kFitCriterionLabel,
    kFitToleranceLabel,
    kFitCountLabel,
    kFitStartButton,
    kFitToleranceFromFile,
    kFitAlignButton,
    kFitRunning,
    kFitCancelButton,
    kFitCancelled,
    kFitHint,
    kFitNeedsPattern,
    kFitNoCut,
    kFitNoDirectionalCode,
    kFitNoCode,
    kFitSearched,
    kFitCodes,
    kFitMainDirection,
    kFitElevation,
    kFitBeamwidth,
    kFitVerticalBeamwidth,
    kFitFrontToBack,
    kFitTolerance,
    kFitAndMore,
    kFitMore,
    kFitEnvelopeMeaning,
    kFitRmsMeaning,
    kFitBestHorizontal,
    kFitBestVertical,
    kFitBestVerticalAlone,
    kFitMaxShort,
    kFitNone,
    kFitPair,
    kFitPairCombined,
    kFitPairMax,
    kFitPairRms,
    kFitCaution,
    kFitDeviatesHorizontal,
    kFitDeviatesVertical,
    kFitDeviatesDb,
    kFitAzimuthOff,
    kFitOffMain,
    kFitBelowMain,
    kFitAboveMain,
    kFitInMain,
    kFitOppositeMain,
    kFitAtElevation,
    kFitAtAzimuth,
    kFitAttenuatesLess,
    kFitAttenuatesMore,
};

}  // namespace veltrisko::texts
