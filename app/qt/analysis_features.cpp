// SPDX-License-Identifier: MIT
#include "app/qt/analysis_features.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/logic/side_window_placement.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_window.h"
#include "app/qt/direction_readout.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_view.h"

namespace veltrisko {

AnalysisFeatures::AnalysisFeatures(MainWindow& window)
    : QObject(&window), window_(window), status_(new QLabel(&window)) {
  window.statusBar()->addWidget(status_, 1);
  PatternView* view = window.Client()->View();
  readout_ = new DirectionReadoutController(
      window.Session(), view, window.Client(),
      [this](const QString& line) { status_->setText(line); },
      [this] {
        const ConfigDialogWidget* dialog = window_.Dialog();
        return dialog != nullptr && dialog->isVisible() ? dialog->frameGeometry() : QRect();
      },
      [this](const SessionUpdate& update) { window_.Carry(update); });
  window.Client()->MakeOverlay(readout_->Box());
  connect(&window, &MainWindow::LanguageChanged, readout_,
          &DirectionReadoutController::ShowReadout);
  diagramsAction_ = window.Action(kCmdDiagrams);
  differenceAction_ = window.Action(kCmdDifference);
  connect(&window, &MainWindow::Repainted, this, &AnalysisFeatures::FollowChanges);
  connect(view, &PatternView::FindingsChanged, this, [this] {
    window_.Client()->Info()->update();
    window_.Client()->Colours()->update();
  });
}

void AnalysisFeatures::OpenDiagrams() {
  DiagramWindow* diagrams = Diagrams();
  diagrams->Follow();
  // A minimised window comes back as it was before, then to the front.
  diagrams->setWindowState(diagrams->windowState() & ~Qt::WindowMinimized);
  diagrams->show();
  diagrams->raise();
  diagrams->activateWindow();
}

DiagramWindow* AnalysisFeatures::Diagrams() {
  if (!diagrams_) {
    diagrams_ = new DiagramWindow(window_.Session(), &window_);
    ResizeFrameTo(*diagrams_, kDiagramWindowWidth, kDiagramWindowHeight);
    connect(&window_, &MainWindow::LanguageChanged, diagrams_, &DiagramWindow::Follow);
  }
  return diagrams_;
}

void AnalysisFeatures::FollowChanges() {
  readout_->Refresh();
  if (diagrams_ && diagrams_->isVisible()) diagrams_->Follow();
}

}  // namespace veltrisko
