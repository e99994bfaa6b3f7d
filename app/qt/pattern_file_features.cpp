// SPDX-License-Identifier: MIT
#include "app/qt/pattern_file_features.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <algorithm>

#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_texts.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/file_dialog.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_fit_dialog.h"
#include "app/qt/qt_values.h"
#include "text/fit_texts.h"

namespace veltrisko {
PatternFileFeatures::PatternFileFeatures(MainWindow& window) : QObject(&window), window_(window) {
  // Every change the fit follows (the language, a file loaded) repaints.
  connect(&window, &MainWindow::Repainted, this, [this] {
    if (fit_) fit_->Follow();
  });
}

PatternFileFeatures::~PatternFileFeatures() = default;

const PatternFileSession& PatternFileFeatures::Files() const { return window_.Session().Files(); }

QAction* PatternFileFeatures::FitAction() const { return window_.Action(kCmdFitCode); }

void PatternFileFeatures::AskAndExport() {
  const Language language = window_.TextLanguage();
  QStringList filters;
  for (const FileFilter& filter : kExportFilters) filters << QText(FilterText(filter, language));
  QString filter = filters.front();
  const QString path =
      AskSaveFileName(&window_, language, QText(In(language, texts::kExportPatternTitle)),
                      QString(), filters.join(QStringLiteral(";;")), &filter);
  if (path.isEmpty()) return;
  const auto chosen = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter)));
  ExportTo(QText(ExportPathFor(path.toStdString(), chosen)));
}

bool PatternFileFeatures::ExportTo(const QString& path) {
  const std::string message = window_.Session().ExportPattern(path.toStdString());
  if (!message.empty()) ShowFileProblem(&window_, message_, QText(message));
  return message.empty();
}

void PatternFileFeatures::AskAndImport() {
  const Language language = window_.TextLanguage();
  QStringList filters;
  for (const FileFilter& filter : kImportFilters) filters << QText(FilterText(filter, language));
  const QString path =
      AskOpenFileName(&window_, language, QText(In(language, texts::kImportPatternTitle)),
                      filters.join(QStringLiteral(";;")));
  if (!path.isEmpty()) ImportFrom(path);
}

bool PatternFileFeatures::ImportFrom(const QString& path) {
  const ViewerSession::PatternImport imported = window_.Session().ImportPattern(path.toStdString());
  if (!imported.problem.empty()) ShowFileProblem(&window_, message_, QText(imported.problem));
  window_.Carry(imported.update);
  return imported.problem.empty();
}

void PatternFileFeatures::AskImportForFit() {
  ShowFileProblem(&window_, message_, QText(window_.Session().FitNeedsFileQuestion()));
  message_->setIcon(QMessageBox::Question);
  message_->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  QMessageBox* box = message_;
  connect(box, &QMessageBox::buttonClicked, this, [this, box](QAbstractButton* button) {
    if (box->standardButton(button) != QMessageBox::Yes) return;
    AskAndImport();
    window_.Carry(window_.Session().FitAfterImport());
  });
}

void PatternFileFeatures::OpenFit() {
  if (!fit_) {
    fit_ = new PatternFitDialog(
        &window_, window_.Session(),
        [this](const ViewerSession::FitRowChoice& choice) { UseCode(choice); },
        [this](const SessionUpdate& update) { window_.Carry(update); });
  }
  fit_->show();
  fit_->raise();
  fit_->activateWindow();
}

void PatternFileFeatures::UseCode(const ViewerSession::FitRowChoice& choice) {
  window_.Carry(choice.update);
  ConfigDialogWidget* dialog = window_.Dialog();
  if (dialog == nullptr || !choice.code) return;
  const bool horizontal = choice.field == kHorizontalEditId;
  (horizontal ? dialog->Horizontal() : dialog->Vertical()).edit->setText(QText(*choice.code));
}

}  // namespace veltrisko
