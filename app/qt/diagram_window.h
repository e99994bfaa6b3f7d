// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "analysis/pattern_cuts.h"
#include "app/qt/pattern_view.h"

class QChart;
class QPagedPaintDevice;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineSeries;

namespace veltrisko {

// The curves of the 2-D diagrams, each switchable, in a fixed colour.
enum class DiagramCurve { kHorizontalGain, kVerticalGain, kV6, kV7, kDifference, kCount };
inline constexpr int kDiagramCurveCount = static_cast<int>(DiagramCurve::kCount);

enum class DiagramStyle { kPolar, kCartesian };

// "Ansicht -> 2D-Diagramme": the horizontal and the vertical cut, each as a
// polar or a cartesian plot in dB, following the current codes, rule and
// range; a readout of the curves at the mouse angle; export as PNG, SVG, CSV
// and PDF, and printing.
class DiagramWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramWindow(std::function<FrameSource()> source, QWidget* parent = nullptr);

  // Recomputes both cuts from the current state and updates the plots.
  void Refresh();
  void SetStyle(DiagramStyle style);
  DiagramStyle Style() const { return style_; }
  void SetCurveVisible(DiagramCurve curve, bool visible);

  // Adds (or replaces) measured cuts as one more curve in both diagrams:
  // points are (relative angle in degrees, gain in dB, 0 .. -40), the
  // horizontal ones over azimuth -180..180, the vertical ones over elevation
  // -90..90. An empty name removes them.
  void SetMeasuredCuts(const QString& name, const QList<QPointF>& horizontal,
                       const QList<QPointF>& vertical);

  // The curves now shown; nothing while a code cannot be evaluated.
  const std::optional<CutCurves>& Curves(CutKind kind) const;
  // The readout of both cuts' curves at one angle of a cut.
  QString ReadoutAtAngle(CutKind kind, double angle) const;
  QLineSeries* Series(CutKind kind, DiagramCurve curve) const;
  QChart* Chart(CutKind kind) const;

  // Writes the plots or the values; false when the file cannot be written.
  bool ExportPng(const QString& path) const;
  bool ExportSvg(const QString& path) const;
  bool ExportPdf(const QString& path) const;
  bool ExportCsv(const QString& path, CutKind kind) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Plot {
    CutKind kind;
    QChartView* view = nullptr;
    std::array<QLineSeries*, kDiagramCurveCount> series{};
    QLineSeries* measured = nullptr;
    std::optional<CutCurves> curves;
  };
  void BuildChart(Plot& plot);
  void FillSeries(Plot& plot);
  void AskAndExport(const QString& filter, const std::function<bool(const QString&)>& write);
  void Print();
  // Both plots on one page of a PDF or a printer.
  void RenderPlotsOnPage(QPagedPaintDevice& device) const;
  QWidget* PlotArea() const { return plotArea_; }

  std::function<FrameSource()> source_;
  DiagramStyle style_ = DiagramStyle::kPolar;
  std::array<bool, kDiagramCurveCount> visible_{true, true, true, true, true};
  Plot plots_[2];
  QWidget* plotArea_;
  QComboBox* styleChoice_;
  QLabel* readout_;
  QString measuredName_;
  QList<QPointF> measured_[2];
};

}  // namespace veltrisko
