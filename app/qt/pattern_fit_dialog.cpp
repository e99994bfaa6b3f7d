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

#include "app/logic/side_window_placement.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/qt_values.h"

namespace veltrisko {
namespace {

// The tolerance box's lowest value stands for the file's own tolerance.
constexpr double kToleranceFromFile = -0.05;

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

}  // namespace

PatternFitDialog::PatternFitDialog(QWidget* parent, ViewerSession& session,
                                   std::function<void(const ViewerSession::FitRowChoice&)> choose,
                                   std::function<void(const SessionUpdate&)> carry)
    : QDialog(parent), session_(session), choose_(std::move(choose)), model_(session.Fit()) {
  measurementName_ = new QLabel(this);
  criterion_ = new QComboBox(this);
  for (int i = 0; i < 2; ++i) criterion_->addItem(QString());
  tolerance_ = new QDoubleSpinBox(this);
  tolerance_->setRange(kToleranceFromFile, kMostFitToleranceDb);
  tolerance_->setDecimals(2);
  tolerance_->setSingleStep(0.05);
  tolerance_->setSuffix(QStringLiteral(" dB"));
  tolerance_->setValue(kToleranceFromFile);
  top_ = new QSpinBox(this);
  top_->setRange(1, kMostFitResults);
  top_->setValue(FitFields{}.count);
  start_ = new QPushButton(this);
  status_ = new QLabel(this);
  findings_ = new QLabel(this);
  findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  alignButton_ = new QPushButton(this);
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
  progress_->setInterval(FitDialogModel::kStatusIntervalMs);
  connect(progress_, &QTimer::timeout, this,
          [this] { status_->setText(QText(model_.StatusText())); });
  connect(start_, &QPushButton::clicked, this, &PatternFitDialog::StartFit);
  connect(alignButton_, &QPushButton::clicked, this,
          [this, carry = std::move(carry)] { carry(session_.TakeFitAlignment()); });
  connect(criterion_, &QComboBox::currentIndexChanged, this,
          [this](int index) { tolerance_->setEnabled(FitDialogModel::ToleranceApplies(index)); });

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
    connect(lists_[which], &QTableWidget::itemSelectionChanged, this, [this, which] {
      const QList<QTableWidgetItem*> chosen = lists_[which]->selectedItems();
      if (chosen.isEmpty()) return;
      const ViewerSession::FitRowChoice choice =
          session_.ChooseFitRow(which, chosen.front()->row());
      if (!choice.code) return;
      warnings_->setText(QText(choice.warnings));
      choose_(choice);
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
  session_.FollowFit();
  ShowAll();
  ResizeFrameTo(*this, kFitWindowWidth, kFitWindowHeight);
}

PatternFitDialog::~PatternFitDialog() { model_.Stop(); }

void PatternFitDialog::Follow() {
  if (session_.FollowFit() == SideWindowChange::kAll) ShowAll();
}

void PatternFitDialog::ShowAll() {
  const FitDialogView view = model_.View();
  setWindowTitle(QText(view.title));
  measurementName_->setText(QText(view.measurementName));
  for (int i = 0; i < 2; ++i) criterion_->setItemText(i, QText(view.criteria[i]));
  tolerance_->setSpecialValueText(QText(view.toleranceFromFile));
  start_->setText(QText(view.startButton));
  alignButton_->setText(QText(view.alignButton));
  alignButton_->setEnabled(view.alignEnabled);
  for (int row = 0; row < 4; ++row) labels_[row]->setText(QText(view.labels[row]));
  hint_->setText(QText(view.hint));
  QStringList columns;
  for (const std::string& column : view.columns) columns << QText(column);
  for (QTableWidget* list : lists_) list->setHorizontalHeaderLabels(columns);
  for (int which = 0; which < 2; ++which) FillList(which, view);
  findings_->setText(QText(view.findings));
  comparison_->setText(QText(view.comparison));
  pair_->setText(QText(view.pair));
  warnings_->setText(QText(view.warnings));
  status_->setText(QText(view.status));
}

void PatternFitDialog::StartFit() {
  const FitFields settings{
      criterion_->currentIndex(),
      tolerance_->value() > kToleranceFromFile ? std::optional(tolerance_->value()) : std::nullopt,
      top_->value()};
  // The worker says it is done; the dialog collects on its own thread.
  const bool started = session_.PressFitStart(settings, [this] {
    QMetaObject::invokeMethod(
        this, [this] { Collect(); }, Qt::QueuedConnection);
  });
  if (!started) return;
  start_->setText(QText(model_.View().startButton));
  status_->setText(QText(model_.StatusText()));
  progress_->start();
}

void PatternFitDialog::Collect() {
  if (!model_.Collect()) return;
  progress_->stop();
  ShowAll();
  emit FitFinished();
}

void PatternFitDialog::FillList(int which, const FitDialogView& view) {
  QTableWidget* list = lists_[which];
  // Filling is no choice of the user's.
  const QSignalBlocker quiet(list);
  list->clearContents();
  titles_[which]->setText(QText(view.listTitles[which]));
  const auto& rows = view.rows[static_cast<std::size_t>(which)];
  list->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < list->rowCount(); ++row) {
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(
          QText(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      list->setItem(row, column, item);
    }
    list->item(row, 0)->setData(Qt::UserRole,
                                QText(view.rowCodes[which][static_cast<std::size_t>(row)]));
  }
}

}  // namespace veltrisko
