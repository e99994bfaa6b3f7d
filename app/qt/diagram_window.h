// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/logic/viewer_session.h"
#include "diagram/diagram_window_model.h"
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
// and printing. The window's state and decisions are its DiagramWindowModel;
// this window forwards the user's events to it and paints what it describes.
class DiagramWindow final : public QWidget {
  Q_OBJECT

 public:
  // The session's 2-D window, in the display mode the user chose last.
  explicit DiagramWindow(ViewerSession& session, QWidget* parent = nullptr);

  // Follows the codes, the rule, the language and the loaded file in force;
  // shows anew what changed.
  void Follow();
  // Shows the plots polar or cartesian and keeps the choice for the next start.
  void SetStyle(DiagramStyle style);
  DiagramStyle Style() const { return model_.Input().style; }
  void SetCurveVisible(DiagramCurve curve, bool visible);
  QCheckBox* CurveBox(DiagramCurve curve) const { return boxes_[static_cast<int>(curve)]; }

  // Shows cuts as a loaded file's, without loading one.
  void SetImportedCuts(const QString& name, const std::optional<CutLosses>& horizontal,
                       const std::optional<CutLosses>& vertical);

  const DiagramInput& Input() const { return model_.Input(); }
  // The plot as it is drawn now, and the widget it is drawn in.
  CutPlot Plot(CutKind kind) const;
  QWidget* PlotWidget(CutKind kind) const;
  // The reading of both cuts' curves at one angle of a cut.
  QString ReadoutAtAngle(CutKind kind, double angle) const;
  // Where the reading is shown; the mouse over a plot fills it.
  QLabel* ReadingLine() const { return readout_; }

  // Writes the plots or the values; false, with the reason in a message box
  // (Message()), when the file cannot be written.
  bool ExportTo(DiagramExport what, const QString& path);
  QMessageBox* Message() const { return message_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  friend class DiagramPlot;
  void PointAt(const PlotFrame& frame, Point at);
  void Repaint();
  void AskAndExport(DiagramExport what);
  void Print();
  // Every text, curve box and the reading as the model's view has them.
  void Show();
  // Beside the main window, wholly on the screen and clear of the dialog.
  void PlaceBesideOwner();
  // Both plots on one page of a PDF or a printer.
  void RenderPageOn(QPagedPaintDevice& device) const;

  ViewerSession& session_;
  DiagramWindowModel& model_;
  std::array<DiagramPlot*, 2> plots_{};
  std::array<QCheckBox*, kDiagramCurveCount> boxes_{};
  std::vector<QPushButton*> exportButtons_;
  QComboBox* styleChoice_;
  QLabel* styleLabel_;
  QLabel* readout_;
  QPointer<QMessageBox> message_;
  bool placed_ = false;
};

}  // namespace veltrisko
