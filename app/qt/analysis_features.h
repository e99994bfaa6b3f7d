// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QLabel;

namespace veltrisko {

class DiagramWindow;
class DirectionReadoutController;
class MainWindow;

// Adds reading numbers off the picture to a main window: the readout under
// the cursor with its status line, "Ansicht -> 2D-Diagramme" and
// "Ansicht -> Unterschied V6/V7".
class AnalysisFeatures final : public QObject {
  Q_OBJECT

 public:
  explicit AnalysisFeatures(MainWindow& window);

  DirectionReadoutController* Readout() const { return readout_; }
  // The 2-D window, created on first use.
  DiagramWindow* Diagrams();
  QAction* DiagramsAction() const { return diagramsAction_; }
  // Brings the 2-D window up, from a minimised one too.
  void OpenDiagrams();
  QAction* DifferenceAction() const { return differenceAction_; }
  QLabel* StatusLine() const { return status_; }

 private:
  void FollowChanges();

  MainWindow& window_;
  DirectionReadoutController* readout_;
  QPointer<DiagramWindow> diagrams_;
  QAction* diagramsAction_;
  QAction* differenceAction_;
  QLabel* status_;
};

}  // namespace veltrisko
