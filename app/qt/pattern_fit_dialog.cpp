// SPDX-License-Identifier: MIT
#include "app/qt/pattern_fit_dialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

#include "app/logic/fit_rows.h"

namespace veltrisko {
namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QTableWidget* NewList(QWidget* parent) {
  auto* list = new QTableWidget(0, 4, parent);
  QStringList headers;
  for (const char* column : kFitColumns) headers << Text(column);
  list->setHorizontalHeaderLabels(headers);
  list->verticalHeader()->setVisible(true);
  list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

QTableWidgetItem* NumberItem(const std::string& value) {
  auto* item = new QTableWidgetItem(Text(value));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

// What one fit needs, copied for the worker, and what it gives back.
struct FitJob {
  std::optional<CutLosses> horizontal;
  std::optional<CutLosses> vertical;
  FitSettings settings;
  CodeFit result;
  double seconds = 0.0;
};

}  // namespace

PatternFitDialog::PatternFitDialog(QWidget* parent,
                                   std::function<void(bool horizontal, const QString& code)> choose,
                                   std::function<std::pair<std::string, std::string>()> references)
    : QDialog(parent), choose_(std::move(choose)), references_(std::move(references)) {
  setWindowTitle(Text(kFitTitle));
  measurementName_ = new QLabel(this);
  criterion_ = new QComboBox(this);
  for (const FitCriterionChoice& choice : kFitCriteria)
    criterion_->addItem(Text(choice.text), static_cast<int>(choice.criterion));
  tolerance_ = new QDoubleSpinBox(this);
  tolerance_->setRange(0.0, 40.0);
  tolerance_->setDecimals(1);
  tolerance_->setSingleStep(0.5);
  tolerance_->setSuffix(QStringLiteral(" dB"));
  top_ = new QSpinBox(this);
  top_->setRange(1, kMostFitRows);
  top_->setValue(FitSettings{}.top);
  start_ = new QPushButton(Text(kFitStartButton), this);
  status_ = new QLabel(this);
  connect(start_, &QPushButton::clicked, this, &PatternFitDialog::StartFit);
  connect(criterion_, &QComboBox::currentIndexChanged, this, [this] {
    tolerance_->setEnabled(criterion_->currentData().toInt() ==
                           static_cast<int>(FitCriterion::kEnvelope));
  });

  auto* settings = new QFormLayout;
  settings->addRow(Text(kFitMeasurementLabel), measurementName_);
  settings->addRow(Text(kFitCriterionLabel), criterion_);
  settings->addRow(Text(kFitToleranceLabel), tolerance_);
  settings->addRow(Text(kFitCountLabel), top_);
  auto* run = new QHBoxLayout;
  run->addWidget(start_);
  run->addWidget(status_, 1);

  auto* columns = new QHBoxLayout;
  for (int which = 0; which < 2; ++which) {
    auto* column = new QVBoxLayout;
    titles_[which] = new QLabel(Text(kFitComponentNames[which]), this);
    lists_[which] = NewList(this);
    column->addWidget(titles_[which]);
    column->addWidget(lists_[which]);
    columns->addLayout(column);
    const bool horizontal = which == 0;
    connect(lists_[which], &QTableWidget::itemSelectionChanged, this, [this, which, horizontal] {
      const QList<QTableWidgetItem*> chosen = lists_[which]->selectedItems();
      if (chosen.isEmpty()) return;
      const QTableWidgetItem* code = lists_[which]->item(chosen.front()->row(), 0);
      if (code != nullptr) choose_(horizontal, code->text());
    });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(settings);
  layout->addLayout(run);
  layout->addLayout(columns, 1);
  auto* hint = new QLabel(Text(kFitHint), this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  resize(900, 520);
}

PatternFitDialog::~PatternFitDialog() {
  // The worker writes into its job until it ends; wait for it.
  if (worker_ != nullptr) {
    worker_->wait();
    delete worker_;
  }
}

void PatternFitDialog::SetMeasurement(const QString& name,
                                      const std::optional<CutLosses>& horizontal,
                                      const std::optional<CutLosses>& vertical) {
  measurementName_->setText(name);
  measured_[0] = horizontal;
  measured_[1] = vertical;
  FillList(0, std::nullopt);
  FillList(1, std::nullopt);
  status_->clear();
}

void PatternFitDialog::StartFit() {
  if (worker_ != nullptr) return;
  auto job = std::make_shared<FitJob>();
  job->horizontal = measured_[0];
  job->vertical = measured_[1];
  job->settings.criterion = static_cast<FitCriterion>(criterion_->currentData().toInt());
  job->settings.toleranceDb = tolerance_->value();
  job->settings.top = top_->value();
  std::tie(job->settings.horizontalReference, job->settings.verticalReference) = references_();
  worker_ = QThread::create([job] {
    QElapsedTimer clock;
    clock.start();
    job->result = FitCodes(job->horizontal, job->vertical, job->settings, CodeSpace::Full());
    job->seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
  });
  connect(worker_, &QThread::finished, this, [this, job] {
    worker_->deleteLater();
    worker_ = nullptr;
    start_->setEnabled(true);
    ShowFit(job->result, job->seconds);
    emit FitFinished();
  });
  start_->setEnabled(false);
  status_->setText(Text(kFitRunning));
  worker_->start();
}

void PatternFitDialog::ShowFit(const CodeFit& fit, double seconds) {
  FillList(0, fit.horizontal);
  FillList(1, fit.vertical);
  status_->setText(Text(FitStatus(fit.codesSearched, seconds)));
}

void PatternFitDialog::FillList(int which, const std::optional<std::vector<RankedCode>>& codes) {
  QTableWidget* list = lists_[which];
  // Filling is no choice of the user's.
  const QSignalBlocker quiet(list);
  list->clearContents();
  list->setRowCount(0);
  titles_[which]->setText(Text(FitListTitle(which, measured_[which].has_value(), codes)));
  if (!codes) return;
  list->setRowCount(static_cast<int>(codes->size()));
  for (int row = 0; row < list->rowCount(); ++row) {
    const std::array<std::string, 4> cells = FitRow((*codes)[static_cast<std::size_t>(row)]);
    list->setItem(row, 0, new QTableWidgetItem(Text(cells[0])));
    for (int column = 1; column < 4; ++column)
      list->setItem(row, column, NumberItem(cells[column]));
  }
}

}  // namespace veltrisko
