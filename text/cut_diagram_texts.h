// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The 2-D window: its controls, the plots' titles, curve names, axis labels
// and key, the reading at the mouse angle and the exported pages' titles.

namespace veltrisko::texts {

inline constexpr Text kDiagramWindowTitle{"Veltrisko – 2D-Diagramme", "Veltrisko – 2-D diagrams"};
inline constexpr Text kDiagramPageTitle{"Veltrisko 2D-Diagramme: ", "Veltrisko 2-D diagrams: "};
inline constexpr Text kDiagramStyleLabel{"Darstellung:", "Plot:"};
inline constexpr Text kDiagramPolar{"Polar", "Polar"};
inline constexpr Text kDiagramCartesian{"Kartesisch", "Cartesian"};
inline constexpr Text kDiagramExportTitle{"Exportieren", "Export"};
inline constexpr Text kDiagramWriteFailed{"Die Datei konnte nicht geschrieben werden: ",
                                          "The file could not be written: "};
inline constexpr Text kDiagramCsvVertical{"CSV vertikal…", "CSV vertical…"};
inline constexpr Text kDiagramPrint{"Drucken…", "Print…"};

// The cuts' definitions, title and subtitle split at ": ".
inline constexpr Text kHorizontalCutDefinition{
    "Horizontalschnitt: Elevation 0° relativ zur Hauptrichtung, Azimut −180° … 180°",
    "Horizontal cut: elevation 0° relative to the main direction, azimuth −180° … 180°"};
inline constexpr Text kVerticalCutDefinition{
    "Vertikalschnitt: Azimut 0° relativ zur Hauptrichtung, Elevation −90° … 90°",
    "Vertical cut: azimuth 0° relative to the main direction, elevation −90° … 90°"};
// The polar plot's whole vertical circle: the front half right, the back left.
inline constexpr Text kVerticalCircleDefinition{
    "Vertikalschnitt: Azimut 0° (rechts) und 180° (links) relativ zur Hauptrichtung",
    "Vertical cut: azimuth 0° (right) and 180° (left) relative to the main direction"};

// The curves beside their check boxes and, shorter, in the plot's key.
inline constexpr Text kCurveHorizontalGain{"Gewinn horizontale Komponente",
                                           "horizontal component gain"};
inline constexpr Text kCurveVerticalGain{"Gewinn vertikale Komponente", "vertical component gain"};
inline constexpr Text kCurveV6{"Kombination HCM V6", "HCM V6 combination"};
inline constexpr Text kCurveV7{"Kombination HCM V7", "HCM V7 combination"};
inline constexpr Text kCurveDifference{"Unterschied |V6 − V7|", "difference |V6 − V7|"};
inline constexpr Text kCurveImported{"Importierte Datei", "imported file"};
inline constexpr Text kKeyHorizontalGain{"hor. Komp.", "hor. comp."};
inline constexpr Text kKeyVerticalGain{"vert. Komp.", "vert. comp."};
inline constexpr Text kKeyImported{"Datei", "file"};
// " (Mitte 0, je Ring +10 dB)": the ring step stands between the two.
inline constexpr Text kKeyRingsBefore{" (Mitte 0, je Ring +", " (0 at the centre, +"};
inline constexpr Text kKeyRingsAfter{")", " per ring)"};

inline constexpr Text kCodesNotEvaluated{"Die Antennencodes können nicht ausgewertet werden.",
                                         "The antenna codes cannot be evaluated."};
inline constexpr Text kAxisGain{"Gewinn", "gain"};
inline constexpr Text kAxisDifference{"Unterschied", "difference"};
inline constexpr Text kAxisRelativeAzimuth{"Azimut relativ (°)", "relative azimuth (°)"};
inline constexpr Text kAxisRelativeElevation{"Elevation relativ (°)", "relative elevation (°)"};

// The reading at the mouse angle.
inline constexpr Text kReadingAzimuth{"Azimut", "Azimuth"};
inline constexpr Text kReadingElevation{"Elevation", "Elevation"};
inline constexpr Text kReadingDifference{"Unterschied", "difference"};
// After the elevation of a point on the vertical circle's back half.
inline constexpr Text kReadingBack{" (hinten, Azimut 180°)", " (back, azimuth 180°)"};

inline constexpr std::array kCutDiagramTexts{
    kDiagramWindowTitle,
    kDiagramPageTitle,
    kDiagramStyleLabel,
    kDiagramPolar,
    kDiagramCartesian,
    kDiagramExportTitle,
    kDiagramWriteFailed,
    kDiagramCsvVertical,
    kDiagramPrint,
    kHorizontalCutDefinition,
    kVerticalCutDefinition,
    kVerticalCircleDefinition,
    kCurveHorizontalGain,
    kCurveVerticalGain,
    kCurveV6,
    kCurveV7,
    kCurveDifference,
    kCurveImported,
    kKeyHorizontalGain,
    kKeyVerticalGain,
    kKeyImported,
    kKeyRingsBefore,
    kKeyRingsAfter,
    kCodesNotEvaluated,
    kAxisGain,
    kAxisDifference,
    kAxisRelativeAzimuth,
    kAxisRelativeElevation,
    kReadingAzimuth,
    kReadingElevation,
    kReadingDifference,
    kReadingBack,
};

}  // namespace veltrisko::texts
