// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "app/logic/fit_dialog_model.h"

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
  // `choose` receives a chosen code and whether it is the horizontal one;
  // `references` gives the codes in force, which win ties.
  // `align` receives the main direction (azimuth, elevation in degrees).
  PatternFitDialog(QWidget* parent,
                   std::function<void(bool horizontal, const QString& code)> choose,
                   std::function<std::pair<std::string, std::string>()> references,
                   std::function<void(double azimuth, double elevation)> align,
                   Language language = kDefaultLanguage);

  // The file to fit; a component without a cut gets no list. Clears the lists.
  void SetMeasurement(const QString& name, const PatternFile& file);
  // Fits with the settings shown; the lists fill when FitFinished is emitted.
  // While a fit runs the button cancels it instead.
  void StartFit();
  bool Running() const { return model_.Running(); }
  // Shows every text, the lists and the findings in `language`.
  void SetLanguage(Language language);

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

  std::function<void(bool, const QString&)> choose_;
  std::function<std::pair<std::string, std::string>()> references_;
  std::function<void(double, double)> align_;
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
  FitDialogModel model_;
};

}  // namespace veltrisko
