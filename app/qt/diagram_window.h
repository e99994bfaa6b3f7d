// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/qt/pattern_view.h"
#include "diagram/cut_diagram.h"
#include "diagram/diagram_texts.h"
#include "interchange/pattern_cuts.h"

class QPagedPaintDevice;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace veltrisko {

class DiagramPlot;

// "Ansicht -> 2D-Diagramme": the horizontal and the vertical cut, each as a
// polar or a cartesian plot in dB, following the current codes and rule; the
// reading of every curve at the mouse angle; export as PNG, SVG, CSV and PDF,
// and printing. What the plots show comes from the shared description; this
// window only paints it and forwards the user's choices.
class DiagramWindow final : public QWidget {
  Q_OBJECT

 public:
  // Opens in the display mode the user chose last.
  explicit DiagramWindow(std::function<FrameSource()> source, QWidget* parent = nullptr,
                         Language language = kDefaultLanguage);

  // Shows every text of the window and the plots in `language`.
  void SetLanguage(Language language);

  // Recomputes both cuts from the current state and repaints the plots.
  void Refresh();
  // Shows the plots polar or cartesian and keeps the choice for the next start.
  void SetStyle(DiagramStyle style);
  DiagramStyle Style() const { return input_.style; }
  void SetCurveVisible(DiagramCurve curve, bool visible);
  QCheckBox* CurveBox(DiagramCurve curve) const { return boxes_[static_cast<int>(curve)]; }

  // Shows a loaded pattern file's cuts (losses on the whole degrees) as one
  // more curve in both plots; an empty name removes it.
  void SetImportedCuts(const QString& name, const std::optional<CutLosses>& horizontal,
                       const std::optional<CutLosses>& vertical);

  const DiagramInput& Input() const { return input_; }
  // The curves now shown; nothing while a code cannot be evaluated.
  const std::optional<CutCurves>& Curves(CutKind kind) const { return input_.Cut(kind); }
  // The plot as it is drawn now, and the widget it is drawn in.
  CutPlot Plot(CutKind kind) const;
  QWidget* PlotWidget(CutKind kind) const;
  // The reading of both cuts' curves at one angle of a cut.
  QString ReadoutAtAngle(CutKind kind, double angle) const;
  // Where the reading is shown; the mouse over a plot fills it.
  QLabel* ReadingLine() const { return readout_; }

  // Writes the plots or the values; false when the file cannot be written.
  bool ExportPng(const QString& path) const;
  bool ExportSvg(const QString& path) const;
  bool ExportPdf(const QString& path) const;
  bool ExportCsv(const QString& path, CutKind kind) const;

 private:
  friend class DiagramPlot;
  void ShowReadingAt(CutKind kind, double angle);
  void Repaint();
  void AskAndExport(const QString& filter, const std::function<bool(const QString&)>& write);
  void Print();
  void ShowTexts();
  // Both plots on one page of a PDF or a printer.
  void RenderPageOn(QPagedPaintDevice& device) const;

  std::function<FrameSource()> source_;
  DiagramInput input_;
  std::array<DiagramPlot*, 2> plots_{};
  std::array<QCheckBox*, kDiagramCurveCount> boxes_{};
  std::array<QPushButton*, std::size(kDiagramExports)> exportButtons_{};
  QComboBox* styleChoice_;
  QLabel* styleLabel_;
  QLabel* readout_;
};

}  // namespace veltrisko
