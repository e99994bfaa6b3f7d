// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "text/language.h"

class QWidget;

namespace veltrisko {

// The viewer's file dialogs, as QFileDialog's static ones, but with dates
// and sizes in the language in force rather than the process's locale.
// An empty name: the user cancelled.
QString AskOpenFileName(QWidget* parent, Language language, const QString& title,
                        const QString& filters);
// `selectedFilter` (if given) names the filter to start with and receives
// the one chosen.
QString AskSaveFileName(QWidget* parent, Language language, const QString& title,
                        const QString& name, const QString& filters,
                        QString* selectedFilter = nullptr);

// A warning about a pattern file or an export, in a window-modal box that
// replaces the one `shown` holds (it gets the new one).
void ShowFileProblem(QWidget* parent, QPointer<QMessageBox>& shown, const QString& text);

}  // namespace veltrisko
