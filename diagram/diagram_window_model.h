// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/cut_diagram.h"
#include "diagram/diagram_texts.h"
#include "interchange/pattern_cuts.h"

namespace veltrisko {

// The display mode as both viewers keep it between runs ("polar" or
// "cartesian"); anything else, or nothing, reads as polar.
std::string_view DiagramStyleSetting(DiagramStyle style);
DiagramStyle DiagramStyleOfSetting(std::string_view setting);

// A loaded file's name on a curve box is cut in the middle beyond this many
// characters, so that the controls keep to a small screen.
inline constexpr std::size_t kCurveBoxNameLength = 32;

// What a front end's file dialog offers for one export.
struct DiagramExportDialog {
  std::string title;          // "Exportieren"
  std::string filter;         // "CSV (*.csv)", as a file dialog names the type
  std::string extension;      // "csv", without the dot
  std::string suggestedName;  // "030EA10_020EA05_V7_horizontal.csv"
};

// Where a PDF of the diagrams comes from: a button of the window's own, or
// the system's printing (Windows' PDF printer, the browser's "save as PDF"),
// which leaves the window no PDF button.
enum class PdfExport { kOwnButton, kByPrinting };

// Everything the 2-D window shows besides its plots, in the window's
// language; a front end only sets it on its controls.
struct DiagramWindowView {
  struct CurveBox {
    bool shown = false, checked = false;
    std::string text, tooltip;  // a tooltip only where the text is cut
  };
  struct Button {
    DiagramExport what;
    std::string text;
  };
  std::string title, styleLabel;
  std::array<std::string, 2> styles;  // in the order of the choice
  int style = 0;                      // the one in force
  std::array<CurveBox, kDiagramCurveCount> curves;
  std::vector<Button> buttons;  // in the order of kDiagramExports
  std::string reading;
};

// The 2-D window's state and every decision it makes, the same in both
// viewers: the display mode, which curves are shown, a loaded file's cuts,
// following the codes and the rule in force, the reading under the mouse,
// the controls' texts, and the exported files and their names. A front end
// forwards its events here and shows what the model describes.
class DiagramWindowModel {
 public:
  explicit DiagramWindowModel(Language language = kDefaultLanguage,
                              DiagramStyle style = DiagramStyle::kPolar);

  const DiagramInput& Input() const { return input_; }

  // Each change returns true when the plots (and for the language, every
  // text) must be drawn again.
  // The codes and the rule in force; the cuts are computed again only when
  // one of them changed.
  bool Follow(const std::string& horizontalCode, const std::string& verticalCode, bool useHcmV7);
  // Also clears the reading, which names its curves; the next mouse move
  // brings it back.
  bool SetLanguage(Language language);
  bool SetStyle(DiagramStyle style);
  bool SetCurveVisible(DiagramCurve curve, bool visible);
  // A loaded pattern file's cuts (losses on the whole degrees); an empty
  // name removes it. Its curve is shown on loading.
  void SetImportedCuts(const std::string& name, const std::optional<CutLosses>& horizontal,
                       const std::optional<CutLosses>& vertical);

  // The mouse at `at` over the plot drawn with `frame`: the reading of every
  // curve at its angle. Off the plot the reading stays; true when it changed.
  bool PointAt(const PlotFrame& frame, Point at);
  // The same over the exported page (both plots side by side, as Page()
  // draws them with `textWidth`), for a front end that shows the page whole.
  bool PointAtPage(Point at, const TextWidth& textWidth);
  const std::string& Reading() const { return reading_; }

  // The controls: title, "Darstellung", the display modes in the order of
  // the choice, the curve boxes and the export buttons.
  std::string WindowTitle() const;
  std::string StyleLabel() const;
  std::string StyleName(int index) const;
  int StyleIndex() const { return input_.style == DiagramStyle::kPolar ? 0 : 1; }
  static DiagramStyle StyleAt(int index);
  bool CurveBoxShown(DiagramCurve curve) const;
  bool CurveChecked(DiagramCurve curve) const;
  // A long file name cut in the middle; the tooltip holds the whole text
  // where the box does not, else it is empty.
  std::string CurveBoxText(DiagramCurve curve) const;
  std::string CurveBoxTooltip(DiagramCurve curve) const;
  std::string ButtonText(DiagramExport what) const;
  DiagramWindowView View(PdfExport pdf) const;

  // Exports: the file dialog's title, filter and offered name; the chosen
  // path with the format's extension where the name has none; writing the
  // file whole or not at all. `paint` writes a PNG or a PDF, which only a
  // front end's painter can make. Returns the problem in the window's
  // language (empty when written), for the message a front end shows as the
  // main window's export does.
  DiagramExportDialog ExportDialog(DiagramExport what) const;
  std::string PathWithExtension(DiagramExport what, const std::string& chosen) const;
  std::string Export(DiagramExport what, const std::string& path,
                     const std::function<bool(std::FILE*)>& paint = {}) const;

  // The exported and printed page: its title (SVG, PDF and print job alike),
  // its drawing, and the scale that fits it onto a device's page.
  std::string PageTitle() const;
  Drawing Page(const TextWidth& textWidth) const;
  static double PageScale(double deviceWidth, double deviceHeight);

 private:
  DiagramInput input_;
  bool followed_ = false;
  std::string reading_;
};

}  // namespace veltrisko
