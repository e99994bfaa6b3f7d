// SPDX-License-Identifier: MIT
#include "diagram/diagram_window_model.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "diagram/diagram_files.h"
#include "diagram/imported_cut.h"
#include "files/atomic_file.h"
#include "files/file_name.h"

namespace veltrisko {
namespace {

constexpr char kCartesianSetting[] = "cartesian";

const DiagramExportLook& LookOf(DiagramExport what) {
  return *std::find_if(std::begin(kDiagramExports), std::end(kDiagramExports),
                       [what](const DiagramExportLook& look) { return look.what == what; });
}

// The UTF-8 text's characters, each a whole sequence.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t end = i + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    characters.push_back(text.substr(i, end - i));
    i = end;
  }
  return characters;
}

// At most `length` characters, the middle given up for "…" so that the
// start and the extension stay.
std::string Elided(const std::string& name, std::size_t length) {
  const std::vector<std::string_view> characters = Characters(name);
  if (characters.size() <= length) return name;
  const std::size_t tail = (length - 1) / 2, head = length - 1 - tail;
  std::string elided;
  for (std::size_t i = 0; i < head; ++i) elided += characters[i];
  elided += "…";
  for (std::size_t i = characters.size() - tail; i < characters.size(); ++i)
    elided += characters[i];
  return elided;
}

// A code as a part of a file name: letters, digits and '-' only.
std::string NamePart(const std::string& code) {
  std::string part;
  for (const char c : code)
    part += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
  return part.empty() ? std::string("-") : part;
}

}  // namespace

std::string_view DiagramStyleSetting(DiagramStyle style) {
  return style == DiagramStyle::kCartesian ? kCartesianSetting : "polar";
}

DiagramStyle DiagramStyleOfSetting(std::string_view setting) {
  return setting == kCartesianSetting ? DiagramStyle::kCartesian : DiagramStyle::kPolar;
}

DiagramWindowModel::DiagramWindowModel(Language language, DiagramStyle style) {
  input_.language = language;
  input_.style = style;
}

bool DiagramWindowModel::Follow(const std::string& horizontalCode, const std::string& verticalCode,
                                bool useHcmV7) {
  if (followed_ && input_.horizontalCode == horizontalCode && input_.verticalCode == verticalCode &&
      input_.useHcmV7 == useHcmV7)
    return false;
  DiagramInput fresh = ComputeDiagramInput(horizontalCode, verticalCode, useHcmV7);
  input_.horizontalCode = horizontalCode;
  input_.verticalCode = verticalCode;
  input_.useHcmV7 = useHcmV7;
  input_.horizontal = std::move(fresh.horizontal);
  input_.vertical = std::move(fresh.vertical);
  input_.verticalBack = std::move(fresh.verticalBack);
  followed_ = true;
  return true;
}

bool DiagramWindowModel::SetLanguage(Language language) {
  if (language == input_.language) return false;
  input_.language = language;
  reading_.clear();
  return true;
}

bool DiagramWindowModel::SetStyle(DiagramStyle style) {
  if (style == input_.style) return false;
  input_.style = style;
  return true;
}

bool DiagramWindowModel::SetCurveVisible(DiagramCurve curve, bool visible) {
  bool& shown = input_.visible[static_cast<int>(curve)];
  if (shown == visible) return false;
  shown = visible;
  return true;
}

void DiagramWindowModel::SetImportedCuts(const std::string& name,
                                         const std::optional<CutLosses>& horizontal,
                                         const std::optional<CutLosses>& vertical) {
  input_.importedName = name;
  input_.importedHorizontal.reset();
  input_.importedVertical.reset();
  input_.importedVerticalBack.reset();
  if (name.empty()) return;
  if (horizontal) input_.importedHorizontal = ImportedGains(CutKind::kHorizontal, *horizontal);
  if (vertical) {
    input_.importedVertical = ImportedGains(CutKind::kVertical, *vertical);
    input_.importedVerticalBack = ImportedVerticalBackGains(*vertical);
  }
  input_.visible[static_cast<int>(DiagramCurve::kImported)] = true;
}

bool DiagramWindowModel::PointAt(const PlotFrame& frame, Point at) {
  const std::optional<double> angle = CutAngleAt(frame, at);
  if (!angle) return false;
  std::string reading = DiagramReading(input_, frame.kind, *angle);
  if (reading == reading_) return false;
  reading_ = std::move(reading);
  return true;
}

bool DiagramWindowModel::PointAtPage(Point at, const TextWidth& textWidth) {
  const std::optional<PlotFrame> frame =
      DiagramPagePlotAt(input_, kDiagramPageWidth, kDiagramPageHeight, textWidth, at);
  return frame && PointAt(*frame, at);
}

std::string DiagramWindowModel::WindowTitle() const {
  return InString(input_.language, texts::kDiagramWindowTitle);
}

std::string DiagramWindowModel::StyleLabel() const {
  return InString(input_.language, texts::kDiagramStyleLabel);
}

std::string DiagramWindowModel::StyleName(int index) const {
  return InString(input_.language, kDiagramStyleNames[index == 1 ? 1 : 0]);
}

DiagramStyle DiagramWindowModel::StyleAt(int index) {
  return index == 1 ? DiagramStyle::kCartesian : DiagramStyle::kPolar;
}

bool DiagramWindowModel::CurveBoxShown(DiagramCurve curve) const {
  return curve != DiagramCurve::kImported || !input_.importedName.empty();
}

bool DiagramWindowModel::CurveChecked(DiagramCurve curve) const {
  return input_.visible[static_cast<int>(curve)];
}

std::string DiagramWindowModel::CurveBoxText(DiagramCurve curve) const {
  if (curve != DiagramCurve::kImported || input_.importedName.empty())
    return veltrisko::CurveBoxText(input_, curve);
  DiagramInput shortened;
  shortened.language = input_.language;
  shortened.importedName = Elided(input_.importedName, kCurveBoxNameLength);
  return veltrisko::CurveBoxText(shortened, curve);
}

std::string DiagramWindowModel::CurveBoxTooltip(DiagramCurve curve) const {
  const std::string whole = veltrisko::CurveBoxText(input_, curve);
  return whole == CurveBoxText(curve) ? std::string() : whole;
}

std::string DiagramWindowModel::ButtonText(DiagramExport what) const {
  return InString(input_.language, LookOf(what).button);
}

DiagramWindowView DiagramWindowModel::View(PdfExport pdf) const {
  DiagramWindowView view{
      WindowTitle(), StyleLabel(), {StyleName(0), StyleName(1)}, StyleIndex(), {}, {}, reading_};
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    view.curves[k] = {CurveBoxShown(curve), CurveChecked(curve), CurveBoxText(curve),
                      CurveBoxTooltip(curve)};
  }
  for (const DiagramExportLook& look : kDiagramExports) {
    if (look.what != DiagramExport::kPdf || pdf == PdfExport::kOwnButton)
      view.buttons.push_back({look.what, ButtonText(look.what)});
  }
  return view;
}

DiagramExportDialog DiagramWindowModel::ExportDialog(DiagramExport what) const {
  const DiagramExportLook& look = LookOf(what);
  std::string name = NamePart(input_.horizontalCode) + "_" + NamePart(input_.verticalCode) +
                     (input_.useHcmV7 ? "_V7" : "_V6");
  if (what == DiagramExport::kCsvHorizontal) name += "_horizontal";
  if (what == DiagramExport::kCsvVertical) name += "_vertical";
  return {InString(input_.language, texts::kDiagramExportTitle),
          std::string(look.filterName) + " (*." + look.extension + ")", look.extension,
          name + "." + look.extension};
}

std::string DiagramWindowModel::PathWithExtension(DiagramExport what,
                                                  const std::string& chosen) const {
  return WithExtensionIfNone(chosen, LookOf(what).extension);
}

std::string DiagramWindowModel::Export(DiagramExport what, const std::string& path,
                                       const std::function<bool(std::FILE*)>& paint) const {
  switch (what) {
    case DiagramExport::kSvg:
      return FileProblemText(WriteTextFileAtomicallyReporting(path, DiagramSvg(input_)),
                             input_.language);
    case DiagramExport::kCsvHorizontal:
    case DiagramExport::kCsvVertical: {
      const std::string csv =
          DiagramCsv(input_, what == DiagramExport::kCsvHorizontal ? CutKind::kHorizontal
                                                                   : CutKind::kVertical);
      if (csv.empty()) return InString(input_.language, texts::kCodesNotEvaluated);
      return FileProblemText(WriteTextFileAtomicallyReporting(path, csv), input_.language);
    }
    case DiagramExport::kPng:
    case DiagramExport::kPdf:
      if (paint) return FileProblemText(WriteFileAtomicallyReporting(path, paint), input_.language);
      break;
    case DiagramExport::kPrint:
      break;
  }
  return FileProblemText({.kind = FileProblemKind::kCannotWrite, .path = path}, input_.language);
}

std::string DiagramWindowModel::PageTitle() const { return DiagramPageTitle(input_); }

Drawing DiagramWindowModel::Page(const TextWidth& textWidth) const {
  return DescribeDiagramPage(input_, kDiagramPageWidth, kDiagramPageHeight, textWidth);
}

double DiagramWindowModel::PageScale(double deviceWidth, double deviceHeight) {
  // As large as the page allows, keeping the page's proportions.
  return std::min(deviceWidth / kDiagramPageWidth, deviceHeight / kDiagramPageHeight);
}

}  // namespace veltrisko
