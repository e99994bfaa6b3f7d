// SPDX-License-Identifier: MIT
#include "app/qt/pattern_fit_dialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/logic/fit_rows.h"

namespace veltrisko {
namespace {

// The tolerance box's lowest value stands for the file's own tolerance.
constexpr double kToleranceFromFile = -0.05;

QString QText(const std::string& utf8) { return QString::fromStdString(utf8); }
QString QText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QTableWidget* NewList(QWidget* parent) {
  auto* list = new QTableWidget(0, 4, parent);
  list->verticalHeader()->setVisible(true);
  // The lists lie one above the other, as wide as the window, so that every
  // column shows; the code column takes what is left.
  list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << QText(line);
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

PatternFitDialog::PatternFitDialog(QWidget* parent,
                                   std::function<void(bool horizontal, const QString& code)> choose,
                                   std::function<std::pair<std::string, std::string>()> references,
                                   std::function<void(double, double)> align, Language language)
    : QDialog(parent),
      choose_(std::move(choose)),
      references_(std::move(references)),
      align_(std::move(align)),
      language_(language) {
  measurementName_ = new QLabel(this);
  criterion_ = new QComboBox(this);
  for (const FitCriterionChoice& choice : kFitCriteria)
    criterion_->addItem(QString(), static_cast<int>(choice.criterion));
  tolerance_ = new QDoubleSpinBox(this);
  tolerance_->setRange(kToleranceFromFile, kMostFitToleranceDb);
  tolerance_->setDecimals(2);
  tolerance_->setSingleStep(0.05);
  tolerance_->setSuffix(QStringLiteral(" dB"));
  tolerance_->setValue(kToleranceFromFile);
  top_ = new QSpinBox(this);
  top_->setRange(1, kMostFitResults);
  top_->setValue(PatternFitRequest{}.top);
  start_ = new QPushButton(this);
  status_ = new QLabel(this);
  findings_ = new QLabel(this);
  findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  alignButton_ = new QPushButton(this);
  alignButton_->setEnabled(false);
  comparison_ = new QLabel(this);
  comparison_->setWordWrap(true);
  comparison_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  pair_ = new QLabel(this);
  pair_->setWordWrap(true);
  pair_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  warnings_ = new QLabel(this);
  warnings_->setWordWrap(true);
  warnings_->setStyleSheet(QStringLiteral("color: #b00000"));
  progress_ = new QTimer(this);
  progress_->setInterval(200);
  connect(progress_, &QTimer::timeout, this, [this] {
    if (Running()) status_->setText(QText(FitRunningStatus(session_.Progress(), language_)));
  });
  connect(start_, &QPushButton::clicked, this, &PatternFitDialog::StartFit);
  connect(alignButton_, &QPushButton::clicked, this, [this] {
    const std::optional<FitOrientation> orientation = fit_ ? FitOrientationOf(*fit_) : std::nullopt;
    if (orientation) align_(orientation->azimuth, orientation->elevation);
  });
  connect(criterion_, &QComboBox::currentIndexChanged, this, [this] {
    tolerance_->setEnabled(criterion_->currentData().toInt() ==
                           static_cast<int>(FitCriterion::kEnvelope));
  });

  auto* settings = new QFormLayout;
  QWidget* const fields[4] = {measurementName_, criterion_, tolerance_, top_};
  for (int row = 0; row < 4; ++row) {
    labels_[row] = new QLabel(this);
    settings->addRow(labels_[row], fields[row]);
  }
  auto* run = new QHBoxLayout;
  run->addWidget(start_);
  run->addWidget(status_, 1);
  auto* found = new QHBoxLayout;
  found->addWidget(findings_, 1);
  found->addWidget(alignButton_, 0, Qt::AlignBottom);

  auto* columns = new QVBoxLayout;
  for (int which = 0; which < 2; ++which) {
    auto* column = new QVBoxLayout;
    titles_[which] = new QLabel(this);
    lists_[which] = NewList(this);
    column->addWidget(titles_[which]);
    column->addWidget(lists_[which]);
    columns->addLayout(column);
    const bool horizontal = which == 0;
    connect(lists_[which], &QTableWidget::itemSelectionChanged, this, [this, which, horizontal] {
      const QList<QTableWidgetItem*> chosen = lists_[which]->selectedItems();
      if (chosen.isEmpty()) return;
      const QTableWidgetItem* code = lists_[which]->item(chosen.front()->row(), 0);
      if (code == nullptr) return;
      chosenRows_[static_cast<std::size_t>(which)] = code->row();
      ShowWarnings();
      choose_(horizontal, code->data(Qt::UserRole).toString());
    });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(settings);
  layout->addLayout(run);
  layout->addLayout(found);
  layout->addWidget(comparison_);
  layout->addWidget(pair_);
  layout->addWidget(warnings_);
  layout->addLayout(columns, 1);
  hint_ = new QLabel(this);
  hint_->setWordWrap(true);
  layout->addWidget(hint_);
  ShowTexts();
  resize(900, 720);
}

void PatternFitDialog::SetLanguage(Language language) {
  if (language == language_) return;
  language_ = language;
  ShowTexts();
  if (fit_) {
    ShowFit(*fit_, fitSeconds_);
  } else if (measured_) {
    FillList(0, std::nullopt);
    FillList(1, std::nullopt);
  }
  if (Running()) status_->setText(QText(FitRunningStatus(session_.Progress(), language_)));
}

void PatternFitDialog::ShowTexts() {
  const auto text = [this](const Text& t) { return QText(In(language_, t)); };
  setWindowTitle(text(texts::kFitTitle));
  for (int i = 0; i < 2; ++i) criterion_->setItemText(i, text(kFitCriteria[i].text));
  tolerance_->setSpecialValueText(text(texts::kFitToleranceFromFile));
  start_->setText(text(Running() ? texts::kFitCancelButton : texts::kFitStartButton));
  alignButton_->setText(text(texts::kFitAlignButton));
  const Text labels[4] = {texts::kFitMeasurementLabel, texts::kFitCriterionLabel,
                          texts::kFitToleranceLabel, texts::kFitCountLabel};
  for (int row = 0; row < 4; ++row) labels_[row]->setText(text(labels[row]));
  hint_->setText(text(texts::kFitHint));
  QStringList columns;
  for (const Text& column : kFitColumns) columns << text(column);
  for (QTableWidget* list : lists_) list->setHorizontalHeaderLabels(columns);
  // Before a measurement the lists are named by their component alone;
  // after it, filling them names them.
  if (!measured_) {
    for (int which = 0; which < 2; ++which)
      titles_[which]->setText(text(kFitComponentNames[which]));
  }
}

PatternFitDialog::~PatternFitDialog() {
  // No call back from the worker into a dialog that is going.
  session_.Cancel();
  session_.Finish();
}

void PatternFitDialog::SetMeasurement(const QString& name, const PatternFile& file) {
  measurementName_->setText(name);
  measured_ = file;
  fit_.reset();
  FillList(0, std::nullopt);
  FillList(1, std::nullopt);
  status_->clear();
  findings_->clear();
  comparison_->clear();
  pair_->clear();
  warnings_->clear();
  alignButton_->setEnabled(false);
}

void PatternFitDialog::StartFit() {
  if (Running()) {
    session_.Cancel();
    return;
  }
  if (!measured_) return;
  auto [horizontalReference, verticalReference] = references_();
  const std::optional<double> tolerance =
      tolerance_->value() > kToleranceFromFile ? std::optional(tolerance_->value()) : std::nullopt;
  const PatternFitRequest request =
      ViewerFitRequest(static_cast<FitCriterion>(criterion_->currentData().toInt()), tolerance,
                       top_->value(), std::move(horizontalReference), std::move(verticalReference));
  // The worker says it is done; the dialog collects on its own thread.
  session_.Start(*measured_, request, [this] {
    QMetaObject::invokeMethod(
        this, [this] { Collect(); }, Qt::QueuedConnection);
  });
  start_->setText(QText(In(language_, texts::kFitCancelButton)));
  status_->setText(QText(FitRunningStatus(0.0, language_)));
  progress_->start();
}

void PatternFitDialog::Collect() {
  const std::optional<FitOutcome> outcome = session_.Finish();
  if (!outcome) return;
  progress_->stop();
  start_->setText(QText(In(language_, texts::kFitStartButton)));
  if (outcome->cancelled) {
    status_->setText(QText(In(language_, texts::kFitCancelled)));
  } else {
    ShowFit(outcome->fit, outcome->seconds);
  }
  emit FitFinished();
}

void PatternFitDialog::ShowFit(const PatternFit& fit, double seconds) {
  fit_ = fit;
  fitSeconds_ = seconds;
  chosenRows_ = {-1, -1};
  FillList(0, fit.horizontal);
  FillList(1, fit.vertical);
  findings_->setText(Lines(FitInfoLines(fit, language_)));
  comparison_->setText(Lines(FitCriteriaLines(fit, language_)));
  pair_->setText(QText(FitPairLine(fit, language_).value_or(std::string())));
  ShowWarnings();
  alignButton_->setEnabled(FitOrientationOf(fit).has_value());
  status_->setText(QText(FitStatus(fit.codesSearched, seconds, language_)));
}

void PatternFitDialog::ShowWarnings() {
  warnings_->setText(fit_ ? Lines(FitWarnings(*fit_, chosenRows_, language_)) : QString());
}

void PatternFitDialog::FillList(int which, const std::optional<CutFit>& cut) {
  QTableWidget* list = lists_[which];
  // Filling is no choice of the user's.
  const QSignalBlocker quiet(list);
  list->clearContents();
  list->setRowCount(0);
  const bool hasCut = measured_ && (which == 0 ? measured_->horizontal : measured_->vertical);
  titles_[which]->setText(QText(FitListTitle(which, hasCut, cut, language_)));
  if (!cut) return;
  list->setRowCount(static_cast<int>(cut->results.size()));
  for (int row = 0; row < list->rowCount(); ++row) {
    const RankedCode& ranked = cut->results[static_cast<std::size_t>(row)];
    const std::array<std::string, 4> cells = FitRow(ranked, language_);
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(QText(cells[static_cast<std::size_t>(column)]));
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      list->setItem(row, column, item);
    }
    list->item(row, 0)->setData(Qt::UserRole, QText(ranked.code));
  }
}

}  // namespace veltrisko
