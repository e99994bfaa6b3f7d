// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "app/logic/pattern_file_session.h"
#include "app/qt/pattern_fit_dialog.h"

class QAction;

namespace veltrisko {

class MainWindow;

// Adds pattern files to a main window: "Datei -> Diagramm importieren…",
// "Datei -> Diagramm exportieren…" and "Extras -> Antennencode anpassen…".
// Problems are shown in a message box that does not block.
class PatternFileFeatures final : public QObject {
  Q_OBJECT

 public:
  explicit PatternFileFeatures(MainWindow& window);
  ~PatternFileFeatures() override;

  // Writes the pattern in force (both codes, the rule) to `path`: CSV for
  // ".csv", MSI Planet otherwise. True when written.
  bool ExportTo(const QString& path);
  // Loads a pattern file: its cuts join the 2-D diagrams (opened) and its
  // name the information legend. True when loaded.
  bool ImportFrom(const QString& path);
  // What the main window's session asks for: the file dialogs, the fit
  // dialog, and whether to import a file for the fit first.
  void AskAndExport();
  void AskAndImport();
  void OpenFit();
  void AskImportForFit();

  // The loaded file, as the viewer session keeps it.
  const PatternFileSession& Files() const;
  PatternFitDialog* FitDialog() const { return fit_; }
  // The last problem or question shown, while it is open.
  QMessageBox* Message() const { return message_; }
  QAction* FitAction() const;

 private:
  // Sets a chosen code in the configuration dialog's edit field, as if typed.
  void UseCode(const ViewerSession::FitRowChoice& choice);

  MainWindow& window_;
  QPointer<PatternFitDialog> fit_;
  QPointer<QMessageBox> message_;
};

}  // namespace veltrisko
