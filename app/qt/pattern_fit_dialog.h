// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "fit/code_fit.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;

namespace veltrisko {

// "Antennencode anpassen": the codes that best describe the loaded measured
// cuts, one list per component (code, largest deviation, RMS, mean excess).
// The search runs on a worker thread; choosing a row hands its code on.
class PatternFitDialog final : public QDialog {
  Q_OBJECT

 public:
  // `choose` receives a chosen code and whether it is the horizontal one;
  // `references` gives the codes in force, which win ties.
  PatternFitDialog(QWidget* parent,
                   std::function<void(bool horizontal, const QString& code)> choose,
                   std::function<std::pair<std::string, std::string>()> references);
  ~PatternFitDialog() override;

  // The cuts to fit; a component without a cut gets no list. Clears the lists.
  void SetMeasurement(const QString& name, const std::optional<CutLosses>& horizontal,
                      const std::optional<CutLosses>& vertical);
  // Fits with the settings shown; the lists fill when FitFinished is emitted.
  // Does nothing while a fit runs.
  void StartFit();
  bool Running() const { return worker_ != nullptr; }

  QComboBox* CriterionChoice() const { return criterion_; }
  QDoubleSpinBox* ToleranceBox() const { return tolerance_; }
  QSpinBox* TopBox() const { return top_; }
  QTableWidget* List(bool horizontal) const { return horizontal ? lists_[0] : lists_[1]; }

 signals:
  void FitFinished();

 private:
  void ShowFit(const CodeFit& fit, double seconds);
  void FillList(int which, const std::optional<std::vector<RankedCode>>& codes);

  std::function<void(bool, const QString&)> choose_;
  std::function<std::pair<std::string, std::string>()> references_;
  std::optional<CutLosses> measured_[2];
  QLabel* measurementName_;
  QComboBox* criterion_;
  QDoubleSpinBox* tolerance_;
  QSpinBox* top_;
  QPushButton* start_;
  QLabel* status_;
  QLabel* titles_[2];
  QTableWidget* lists_[2];
  QThread* worker_ = nullptr;
};

}  // namespace veltrisko
