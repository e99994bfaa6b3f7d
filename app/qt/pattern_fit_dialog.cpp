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

#include "analysis/direction_readout.h"

namespace veltrisko {
namespace {

constexpr int kMostListed = 100;
// The tolerance box's lowest value stands for the file's own tolerance.
constexpr double kToleranceFromFile = -0.05;
const char* const kComponentNames[2] = {"Horizontal", "Vertikal"};

QTableWidget* NewList(QWidget* parent) {
  auto* list = new QTableWidget(0, 4, parent);
  list->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("max. Abw. (dB)"),
                                   QStringLiteral("RMS (dB)"),
                                   QStringLiteral("mittl. Überschuss (dB)")});
  list->verticalHeader()->setVisible(true);
  list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

QTableWidgetItem* NumberItem(double value) {
  auto* item = new QTableWidgetItem(QString::fromStdString(GermanNumber(value, 2)));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
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
                                   std::function<void(double, double)> align)
    : QDialog(parent),
      choose_(std::move(choose)),
      references_(std::move(references)),
      align_(std::move(align)) {
  setWindowTitle(QStringLiteral("Antennencode anpassen"));
  measurementName_ = new QLabel(this);
  criterion_ = new QComboBox(this);
  criterion_->addItem(QStringLiteral("Hüllkurve (Code dämpft nie mehr als gemessen)"),
                      static_cast<int>(FitCriterion::kEnvelope));
  criterion_->addItem(QStringLiteral("kleinste mittlere quadratische Abweichung (RMS)"),
                      static_cast<int>(FitCriterion::kRms));
  tolerance_ = new QDoubleSpinBox(this);
  tolerance_->setRange(kToleranceFromFile, 40.0);
  tolerance_->setDecimals(2);
  tolerance_->setSingleStep(0.05);
  tolerance_->setSuffix(QStringLiteral(" dB"));
  tolerance_->setSpecialValueText(QStringLiteral("aus der Datei"));
  tolerance_->setValue(kToleranceFromFile);
  top_ = new QSpinBox(this);
  top_->setRange(1, kMostListed);
  top_->setValue(PatternFitRequest{}.top);
  start_ = new QPushButton(QStringLiteral("&Anpassen"), this);
  status_ = new QLabel(this);
  findings_ = new QLabel(this);
  findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  alignButton_ = new QPushButton(QStringLiteral("Ausrichtung &übernehmen"), this);
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
  settings->addRow(QStringLiteral("Messung:"), measurementName_);
  settings->addRow(QStringLiteral("Kriterium:"), criterion_);
  settings->addRow(QStringLiteral("Toleranz:"), tolerance_);
  settings->addRow(QStringLiteral("Anzahl:"), top_);
  auto* run = new QHBoxLayout;
  run->addWidget(start_);
  run->addWidget(status_, 1);
  auto* found = new QHBoxLayout;
  found->addWidget(findings_, 1);
  found->addWidget(alignButton_, 0, Qt::AlignBottom);

  auto* columns = new QHBoxLayout;
  for (int which = 0; which < 2; ++which) {
    auto* column = new QVBoxLayout;
    titles_[which] = new QLabel(QString::fromUtf8(kComponentNames[which]), this);
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
  layout->addWidget(new QLabel(
      QStringLiteral("Eine gewählte Zeile setzt ihren Code im Dialog "
                     "„Konfiguration des Antennentyps“. Gleich gute Codes: zuerst der mit den "
                     "wenigsten geänderten Zeichen gegenüber dem aktuellen Code."),
      this));
  resize(900, 520);
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
  status_->setText(QStringLiteral("Suche läuft …"));
  worker_->start();
}

void PatternFitDialog::ShowFit(const PatternFit& fit, double seconds) {
  fit_ = fit;
  FillList(0, fit.horizontal);
  FillList(1, fit.vertical);
  QStringList lines;
  for (const std::string& line : FitInfoLines(fit)) lines << QString::fromStdString(line);
  findings_->setText(lines.join(QLatin1Char('\n')));
  alignButton_->setEnabled(fit.HorizontalMainDirection() || fit.VerticalMainElevation());
  status_->setText(QStringLiteral("%1 Codes je Komponente durchsucht in %2 s")
                       .arg(fit.codesSearched)
                       .arg(QString::fromStdString(GermanNumber(seconds, 2))));
}

void PatternFitDialog::FillList(int which, const std::optional<CutFit>& cut) {
  QTableWidget* list = lists_[which];
  // Filling is no choice of the user's.
  const QSignalBlocker quiet(list);
  list->clearContents();
  list->setRowCount(0);
  QString title = QString::fromUtf8(kComponentNames[which]);
  const bool hasCut = measured_ && (which == 0 ? measured_->horizontal : measured_->vertical);
  if (!hasCut) {
    title += QStringLiteral(": kein Schnitt in der Datei");
  } else if (cut && cut->noDirectionalCode) {
    title += QStringLiteral(
        ": kein gerichteter Code bleibt innerhalb der Hüllkurve; die besten Codes nach RMS");
  } else if (cut && cut->results.empty()) {
    title += QStringLiteral(": kein Code bleibt innerhalb der Hüllkurve");
  }
  titles_[which]->setText(title);
  if (!cut) return;
  list->setRowCount(static_cast<int>(cut->results.size()));
  for (int row = 0; row < list->rowCount(); ++row) {
    const RankedCode& ranked = cut->results[static_cast<std::size_t>(row)];
    auto* codes = new QTableWidgetItem(QString::fromStdString(EqualCodesText(ranked)));
    codes->setData(Qt::UserRole, QString::fromStdString(ranked.code));
    list->setItem(row, 0, codes);
    list->setItem(row, 1, NumberItem(ranked.score.maxDeviation));
    list->setItem(row, 2, NumberItem(ranked.Rms()));
    list->setItem(row, 3, NumberItem(ranked.MeanExcess()));
  }
}

}  // namespace veltrisko
