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

// The tolerance box's lowest value stands for the file's own tolerance.
constexpr double kToleranceFromFile = -0.05;

QString QText(const std::string& utf8) { return QString::fromStdString(utf8); }
QString QText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QTableWidget* NewList(QWidget* parent) {
  auto* list = new QTableWidget(0, 4, parent);
  list->verticalHeader()->setVisible(true);
  list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

// What one fit needs, copied for the worker, and what it gives back.
struct FitJob {
  PatternFile file;
  PatternFitRequest request;
  PatternFit result;
  double seconds = 0.0;
};

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
  tolerance_->setRange(kToleranceFromFile, 40.0);
  tolerance_->setDecimals(2);
  tolerance_->setSingleStep(0.05);
  tolerance_->setSuffix(QStringLiteral(" dB"));
  tolerance_->setValue(kToleranceFromFile);
  top_ = new QSpinBox(this);
  top_->setRange(1, kMostFitRows);
  top_->setValue(PatternFitRequest{}.top);
  start_ = new QPushButton(this);
  status_ = new QLabel(this);
  findings_ = new QLabel(this);
  findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  alignButton_ = new QPushButton(this);
  alignButton_->setEnabled(false);
  connect(start_, &QPushButton::clicked, this, &PatternFitDialog::StartFit);
  connect(alignButton_, &QPushButton::clicked, this, [this] {
    if (!fit_) return;
    align_(fit_->HorizontalMainDirection().value_or(0.0),
           fit_->VerticalMainElevation().value_or(0.0));
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

  auto* columns = new QHBoxLayout;
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
      if (code != nullptr) choose_(horizontal, code->data(Qt::UserRole).toString());
    });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(settings);
  layout->addLayout(run);
  layout->addLayout(found);
  layout->addLayout(columns, 1);
  hint_ = new QLabel(this);
  hint_->setWordWrap(true);
  layout->addWidget(hint_);
  ShowTexts();
  resize(900, 520);
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
  if (Running()) status_->setText(QText(In(language_, texts::kFitRunning)));
}

void PatternFitDialog::ShowTexts() {
  const auto text = [this](const Text& t) { return QText(In(language_, t)); };
  setWindowTitle(text(texts::kFitTitle));
  for (int i = 0; i < 2; ++i) criterion_->setItemText(i, text(kFitCriteria[i].text));
  tolerance_->setSpecialValueText(text(texts::kFitToleranceFromFile));
  start_->setText(text(texts::kFitStartButton));
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
  // The worker writes into its job until it ends; wait for it.
  if (worker_ != nullptr) {
    worker_->wait();
    delete worker_;
  }
}

void PatternFitDialog::SetMeasurement(const QString& name, const PatternFile& file) {
  measurementName_->setText(name);
  measured_ = file;
  fit_.reset();
  FillList(0, std::nullopt);
  FillList(1, std::nullopt);
  status_->clear();
  findings_->clear();
  alignButton_->setEnabled(false);
}

void PatternFitDialog::StartFit() {
  if (worker_ != nullptr || !measured_) return;
  auto job = std::make_shared<FitJob>();
  job->file = *measured_;
  job->request.criterion = static_cast<FitCriterion>(criterion_->currentData().toInt());
  if (tolerance_->value() > kToleranceFromFile) job->request.toleranceDb = tolerance_->value();
  job->request.top = top_->value();
  std::tie(job->request.horizontalReference, job->request.verticalReference) = references_();
  worker_ = QThread::create([job] {
    QElapsedTimer clock;
    clock.start();
    job->result = FitPattern(job->file, job->request, CodeSpace::Full());
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
  status_->setText(QText(In(language_, texts::kFitRunning)));
  worker_->start();
}

void PatternFitDialog::ShowFit(const PatternFit& fit, double seconds) {
  fit_ = fit;
  fitSeconds_ = seconds;
  FillList(0, fit.horizontal);
  FillList(1, fit.vertical);
  QStringList lines;
  for (const std::string& line : FitInfoLines(fit, language_)) lines << QText(line);
  findings_->setText(lines.join(QLatin1Char('\n')));
  alignButton_->setEnabled(fit.HorizontalMainDirection() || fit.VerticalMainElevation());
  status_->setText(QText(FitStatus(fit.codesSearched, seconds, language_)));
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
