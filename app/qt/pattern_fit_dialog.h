// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "app/logic/viewer_session.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class QWidget;

namespace veltrisko {

// "Antennencode anpassen": the codes that best describe the loaded measured
// cuts, one list per component (codes, largest deviation, RMS, mean excess),
// and what was measured: main direction, 3-dB widths, front-to-back ratio,
// both criteria's best codes, the best pair's combined figures and a warning
// where the chosen code deviates much. The search runs in the shared fit
// session; choosing a row hands its code on, and "Ausrichtung übernehmen"
// hands on the measured main direction. What it shows and does is the
// shared FitDialogModel's; the dialog translates its widgets' events.
class PatternFitDialog final : public QDialog {
  Q_OBJECT

 public:
  // The session's fit. `choose` receives a chosen row's code; `carry` what
  // taking the measured direction changed.
  PatternFitDialog(QWidget* parent, ViewerSession& session,
                   std::function<void(const ViewerSession::FitRowChoice&)> choose,
                   std::function<void(const SessionUpdate&)> carry);
  // Stops a running fit: its end would come to a dialog that is gone.
  ~PatternFitDialog() override;

  // Follows the language and the loaded file in force (a component without
  // a cut gets no list); a new file clears the lists.
  void Follow();
  // Fits with the settings shown; the lists fill when FitFinished is emitted.
  // While a fit runs the button cancels it instead.
  void StartFit();
  bool Running() const { return model_.Running(); }

  QComboBox* CriterionChoice() const { return criterion_; }
  QDoubleSpinBox* ToleranceBox() const { return tolerance_; }
  QSpinBox* TopBox() const { return top_; }
  QTableWidget* List(bool horizontal) const { return horizontal ? lists_[0] : lists_[1]; }
  // The measured pattern's lines, shown once a fit has run.
  QLabel* Findings() const { return findings_; }
  QPushButton* AlignButton() const { return alignButton_; }
  QPushButton* StartButton() const { return start_; }
  // Both criteria's best codes, the best pair's figures, the warnings.
  QLabel* Comparison() const { return comparison_; }
  QLabel* Pair() const { return pair_; }
  QLabel* Warnings() const { return warnings_; }

 signals:
  void FitFinished();

 private:
  // Shows the model's view: every text, the lists and the lines.
  void ShowAll();
  void FillList(int which, const FitDialogView& view);
  void Collect();

  ViewerSession& session_;
  std::function<void(const ViewerSession::FitRowChoice&)> choose_;
  QLabel* measurementName_;
  QComboBox* criterion_;
  QDoubleSpinBox* tolerance_;
  QSpinBox* top_;
  QPushButton* start_;
  QLabel* status_;
  QLabel* findings_;
  QLabel* comparison_;
  QLabel* pair_;
  QLabel* warnings_;
  QPushButton* alignButton_;
  QLabel* titles_[2];
  QLabel* labels_[4];  // measurement, criterion, tolerance, count
  QLabel* hint_;
  QTableWidget* lists_[2];
  QTimer* progress_;
  FitDialogModel& model_;
};

}  // namespace veltrisko
