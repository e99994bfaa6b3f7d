// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "diagram/cut_diagram.h"
#include "text/cut_diagram_texts.h"

namespace veltrisko {

// How a curve is named and drawn in both viewers.
struct CurveLook {
  Text name;       // beside its check box
  Text shortName;  // in the plot's key
  Rgb colour;
  Stroke stroke;
};
const CurveLook& LookOf(DiagramCurve curve);

// The check box text of a curve in the input's language: the imported one
// names the loaded file.
std::string CurveBoxText(const DiagramInput& input, DiagramCurve curve);

// "hor. 030EA10   vert. 020EA05   HCM V7": what every plot was made of.
std::string PlotIdentity(const DiagramInput& input);

// "Datei: pair.msi", or empty while no file is loaded.
std::string ImportedFileLine(const DiagramInput& input);

// The title of an exported or printed page.
std::string DiagramPageTitle(const DiagramInput& input);

// The line below the plots: every curve's value at the cut angle nearest to
// `angle`, the imported file's included; empty without curves.
std::string DiagramReading(const DiagramInput& input, CutKind kind, double angle);

// The window's display modes in the order of its choice.
inline constexpr Text kDiagramStyleNames[2] = {texts::kDiagramPolar, texts::kDiagramCartesian};

// The export buttons in their order, with the file type each writes.
enum class DiagramExport { kPng, kSvg, kCsvHorizontal, kCsvVertical, kPdf, kPrint };
struct DiagramExportLook {
  DiagramExport what;
  Text button;
  const char* filterName;  // "PNG"; empty for printing
  const char* extension;   // "png"
};
inline constexpr DiagramExportLook kDiagramExports[] = {
    {DiagramExport::kPng, {"PNG…", "PNG…"}, "PNG", "png"},
    {DiagramExport::kSvg, {"SVG…", "SVG…"}, "SVG", "svg"},
    {DiagramExport::kCsvHorizontal, {"CSV horizontal…", "CSV horizontal…"}, "CSV", "csv"},
    {DiagramExport::kCsvVertical, texts::kDiagramCsvVertical, "CSV", "csv"},
    {DiagramExport::kPdf, {"PDF…", "PDF…"}, "PDF", "pdf"},
    {DiagramExport::kPrint, texts::kDiagramPrint, "", ""},
};

}  // namespace veltrisko
