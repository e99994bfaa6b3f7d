// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "diagram/cut_diagram.h"

namespace veltrisko {

// How a curve is named and drawn in both viewers.
struct CurveLook {
  const char* name;       // beside its check box
  const char* shortName;  // in the plot's key
  Rgb colour;
  Stroke stroke;
};
const CurveLook& LookOf(DiagramCurve curve);

// The check box text of a curve: the imported one names the loaded file.
std::string CurveBoxText(const DiagramInput& input, DiagramCurve curve);

// "hor. 030EA10   vert. 020EA05   HCM V7": what every plot was made of.
std::string PlotIdentity(const DiagramInput& input);

// "Datei: pair.msi", or empty while no file is loaded.
std::string ImportedFileLine(const DiagramInput& input);

// The line below the plots: every curve's value at the cut angle nearest to
// `angle`, the imported file's included; empty without curves.
std::string DiagramReading(const DiagramInput& input, CutKind kind, double angle);

// The window's texts.
inline constexpr const char* kDiagramWindowTitle = "Veltrisko – 2D-Diagramme";
inline constexpr const char* kDiagramStyleLabel = "Darstellung:";
inline constexpr const char* kDiagramStyleNames[2] = {"Polar", "Kartesisch"};
inline constexpr const char* kDiagramExportTitle = "Exportieren";
inline constexpr const char* kDiagramWriteFailed = "Die Datei konnte nicht geschrieben werden: ";

// The export buttons in their order, with the file type each writes.
enum class DiagramExport { kPng, kSvg, kCsvHorizontal, kCsvVertical, kPdf, kPrint };
struct DiagramExportLook {
  DiagramExport what;
  const char* button;
  const char* filterName;  // "PNG"; empty for printing
  const char* extension;   // "png"
};
inline constexpr DiagramExportLook kDiagramExports[] = {
    {DiagramExport::kPng, "PNG…", "PNG", "png"},
    {DiagramExport::kSvg, "SVG…", "SVG", "svg"},
    {DiagramExport::kCsvHorizontal, "CSV horizontal…", "CSV", "csv"},
    {DiagramExport::kCsvVertical, "CSV vertikal…", "CSV", "csv"},
    {DiagramExport::kPdf, "PDF…", "PDF", "pdf"},
    {DiagramExport::kPrint, "Drucken…", "", ""},
};

}  // namespace veltrisko
