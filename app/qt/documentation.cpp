// SPDX-License-Identifier: MIT
#include "app/qt/documentation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/logic/documentation_target.h"

#ifndef VELTRISKO_VERSION
#error "VELTRISKO_VERSION must name the program's version"
#endif
#ifndef VELTRISKO_DOC_HOST
#error "VELTRISKO_DOC_HOST must name the documentation host (empty for the installed guide)"
#endif

namespace veltrisko {

void OpenDocumentation(QWidget* parent, const std::string& languageCode) {
  const std::string problem = OpenDocumentationTarget(
      DocumentationTargetOf(VELTRISKO_DOC_HOST,
                            QCoreApplication::applicationDirPath().toStdString(), languageCode),
      [](const std::string& file) { return QFileInfo::exists(QString::fromStdString(file)); },
      [](const DocumentationTarget& target) {
        const QString location = QString::fromStdString(target.location);
        return QDesktopServices::openUrl(target.isWebPage ? QUrl(location)
                                                          : QUrl::fromLocalFile(location));
      },
      languageCode);
  if (problem.empty()) return;
  // Not modal: the view and the dialog stay usable while it is open.
  auto* box = new QMessageBox(QMessageBox::Information,
                              QString::fromStdString(DocumentationTitle(languageCode)),
                              QString::fromStdString(problem), QMessageBox::Ok, parent);
  box->setObjectName(QStringLiteral("documentationMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  box->setModal(false);
  box->show();
}

void ShowAbout(QWidget* parent, const std::string& languageCode) {
  const DocumentationTarget target = DocumentationTargetOf(
      VELTRISKO_DOC_HOST, QCoreApplication::applicationDirPath().toStdString(), languageCode);
  auto* box = new QMessageBox(
      QMessageBox::Information, QString::fromStdString(AboutTitle(languageCode)),
      QString::fromStdString(AboutText(VELTRISKO_VERSION, target.location, languageCode)),
      QMessageBox::Ok, parent);
  box->setObjectName(QStringLiteral("aboutMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  box->setModal(false);
  box->show();
}

}  // namespace veltrisko
