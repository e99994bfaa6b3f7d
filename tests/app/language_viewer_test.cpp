// SPDX-License-Identifier: MIT
// The viewer started in English shows no German text, switches every open
// window at once and keeps the choice for the next start.
#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <span>

#include "app/logic/legend_content.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/qt/analysis_features.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_window.h"
#include "app/qt/direction_readout.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_file_features.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_settings.h"
#include "app/qt/viewer_start.h"
#include "diagram/diagram_texts.h"
#include "text/cut_diagram_texts.h"
#include "text/dialog_texts.h"
#include "text/fit_texts.h"
#include "text/legend_texts.h"
#include "text/pattern_file_texts.h"
#include "text/readout_texts.h"

using namespace veltrisko;

namespace {

// Every text a person reads in the main window, its menus and the dialog.
QStringList VisibleTexts(MainWindow& window) {
  QStringList shown{window.windowTitle()};
  std::vector<QMenu*> menus;
  for (QAction* action : window.menuBar()->actions()) {
    shown << action->text();
    if (action->menu() != nullptr) menus.push_back(action->menu());
  }
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    for (QAction* action : menu->actions()) {
      shown << action->text() << action->toolTip();
      if (action->menu() != nullptr) menus.push_back(action->menu());
    }
  }
  ConfigDialogWidget* dialog = window.Dialog();
  shown << dialog->windowTitle();
  for (QLabel* label : dialog->findChildren<QLabel*>()) shown << label->text() << label->toolTip();
  for (QGroupBox* box : dialog->findChildren<QGroupBox*>()) shown << box->title();
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) shown << button->text();
  for (const ConfigDialogWidget::PanelWidgets* panel : {&dialog->Horizontal(), &dialog->Vertical()})
    shown << panel->edit->toolTip();
  const InfoLegendContent legend =
      InfoLegendOf(sceneState, horizontalPanel.Code(), verticalPanel.Code(), window.TextLanguage());
  for (const KeyEntry& key : legend.keys) shown << QString::fromStdString(key.label);
  for (const TextLine& line : legend.lines) shown << QString::fromStdString(line.text);
  return shown;
}

// Every text of a window beside the main one: its title, labels, buttons,
// choices, list headers and cells.
QStringList WindowTexts(QWidget& window) {
  QStringList shown{window.windowTitle()};
  for (QLabel* label : window.findChildren<QLabel*>()) shown << label->text().split('\n');
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) shown << button->text();
  for (QComboBox* choice : window.findChildren<QComboBox*>()) {
    for (int i = 0; i < choice->count(); ++i) shown << choice->itemText(i);
  }
  for (QTableWidget* list : window.findChildren<QTableWidget*>()) {
    for (int column = 0; column < list->columnCount(); ++column)
      shown << list->horizontalHeaderItem(column)->text();
    for (int row = 0; row < list->rowCount(); ++row) {
      for (int column = 0; column < list->columnCount(); ++column)
        shown << list->item(row, column)->text();
    }
  }
  return shown;
}

// The 2-D window's texts: its controls, the reading and every text drawn.
QStringList DiagramTexts(DiagramWindow& diagrams) {
  QStringList shown = WindowTexts(diagrams);
  for (const CutKind kind : {CutKind::kHorizontal, CutKind::kVertical}) {
    shown << diagrams.ReadoutAtAngle(kind, 10.0);
    for (const Shape& shape : diagrams.Plot(kind).drawing.shapes) {
      if (const auto* label = std::get_if<Label>(&shape))
        shown << QString::fromStdString(label->text);
    }
  }
  return shown;
}

// A German text of the catalogue, a German word inside a text, or a number
// with a decimal comma.
bool LooksGerman(const QString& text, const QStringList& german) {
  if (text.contains(QRegularExpression(QStringLiteral("\\d,\\d")))) return true;
  static const QStringList kWords{"Datei",       "Gewinn",   "Dämpfung",    "Azimut",
                                  "Unterschied", "relativ",  "Anzeigewert", "Codes",
                                  "Darstellung", "Hüllkurve"};
  for (const QString& word : kWords) {
    if (text.contains(QRegularExpression("\\b" + word + "\\b"))) return true;
  }
  return german.contains(text);
}

// The German words of the catalogue that English never writes.
QStringList GermanOnlyTexts() {
  QStringList german;
  for (const std::span<const Text> group :
       {std::span<const Text>(texts::kMenuTexts), std::span<const Text>(texts::kDialogTexts),
        std::span<const Text>(texts::kLegendTexts), std::span<const Text>(texts::kReadoutTexts),
        std::span<const Text>(texts::kCutDiagramTexts), std::span<const Text>(texts::kFitTexts),
        std::span<const Text>(texts::kPatternFileTexts)}) {
    for (const Text& text : group) {
      if (text.de != text.en) german << QString::fromUtf8(text.de.data(), text.de.size());
    }
  }
  return german;
}

// The language of the file dialog that a menu command opens, once its
// list's dates are written in it; the dialog is then cancelled.
QLocale::Language FileDialogLanguage(MainWindow& window, int command) {
  QLocale::Language language = QLocale::AnyLanguage;
  QTimer poll;
  int polls = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      const QTreeView* list = dialog->findChild<QTreeView*>();
      const QModelIndex first = list->model()->index(0, 3, list->rootIndex());
      // The model reads the folder in the background.
      if (!first.isValid() && ++polls < 100) return;
      const auto* files = dialog->findChild<QFileSystemModel*>();
      const QAbstractProxyModel* proxy = dialog->proxyModel();
      const QModelIndex file = proxy != nullptr ? proxy->mapToSource(first) : first;
      if (first.data().toString() ==
          dialog->locale().toString(files->lastModified(file), QLocale::ShortFormat))
        language = dialog->locale().language();
      dialog->reject();
    }
  });
  poll.start(20);
  window.Action(command)->trigger();
  return language;
}

}  // namespace

class LanguageViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void startedInEnglishShowsNoGerman() {
    StartOptions options;
    options.language = Language::kEnglish;
    StartedViewer viewer = StartViewer(options, "veltrisko");
    MainWindow& window = *viewer.window;
    QStringList shown = VisibleTexts(window);
    QVERIFY(shown.contains(QStringLiteral("&File")));
    QVERIFY(shown.contains(QStringLiteral("half-power angle")));

    // The readout box and the status line over the middle of the picture.
    PatternView* view = window.Client()->View();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // On the lobe right of the pattern's centre, the middle of the square
    // viewport at the view's top left, whatever shape the window has.
    const int side = std::min(view->width(), view->height());
    QTest::mouseMove(view, QPoint(side / 2 + side / 8, side / 2));
    DirectionReadoutController* readout = window.Analysis()->Readout();
    QTRY_VERIFY(readout->Shown().has_value());
    shown << readout->Box()->text().split('\n') << window.Analysis()->StatusLine()->text();
    QVERIFY(readout->Box()->text().startsWith("Azimuth:"));

    // A measured pattern in the 2-D window and the fit dialog after a fit.
    QTemporaryDir dir;
    auto* files = window.findChild<PatternFileFeatures*>();
    QVERIFY(files->ExportTo(dir.filePath("pair.msi")));
    QVERIFY(files->ImportFrom(dir.filePath("pair.msi")));
    window.Analysis()->Diagrams()->SetStyle(DiagramStyle::kPolar);
    shown << DiagramTexts(*window.Analysis()->Diagrams());
    window.Analysis()->Diagrams()->SetStyle(DiagramStyle::kCartesian);
    shown << DiagramTexts(*window.Analysis()->Diagrams());
    files->OpenFit();
    PatternFitDialog* fit = files->FitDialog();
    fit->TopBox()->setValue(2);
    QSignalSpy finished(fit, &PatternFitDialog::FitFinished);
    fit->StartFit();
    QVERIFY(finished.wait(20000));
    shown << WindowTexts(*fit) << fit->ToleranceBox()->specialValueText();
    QVERIFY(fit->Findings()->text().startsWith("Main direction: azimuth"));

    const QStringList german = GermanOnlyTexts();
    for (const QString& text : shown) {
      for (const char* letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"})
        QVERIFY2(!text.contains(QString::fromUtf8(letter)), qPrintable(text));
      QVERIFY2(!LooksGerman(text, german), qPrintable(text));
    }
    QCOMPARE(RememberedLanguage(), Language::kEnglish);
  }

  void switchingChangesOpenWindowsAndIsKeptForTheNextStart() {
    StartedViewer viewer = StartViewer({}, "veltrisko");  // English, as kept above
    MainWindow& window = *viewer.window;
    QCOMPARE(window.TextLanguage(), Language::kEnglish);
    DiagramWindow* diagrams = window.Analysis()->Diagrams();
    // The display mode chosen last (cartesian, above) comes back.
    QCOMPARE(diagrams->Style(), DiagramStyle::kCartesian);
    window.Action(kCmdLanguageGerman)->trigger();
    QCOMPARE(window.menuBar()->actions()[0]->text(), QStringLiteral("&Datei"));
    QCOMPARE(diagrams->windowTitle(), QStringLiteral("Veltrisko – 2D-Diagramme"));
    QVERIFY(diagrams->ReadoutAtAngle(CutKind::kVertical, 0.0).startsWith("Elevation 0,0°:"));
    QCOMPARE(window.Dialog()->windowTitle(), QStringLiteral("Konfiguration des Antennentyps"));
    QCOMPARE(window.Dialog()->Horizontal().labels[1]->text(),
             QStringLiteral("1/2-Leistung-Winkel"));
    QVERIFY(window.Action(kCmdLanguageGerman)->isChecked());
    QCOMPARE(RememberedLanguage(), Language::kGerman);
    QCOMPARE(FileDialogLanguage(window, kCmdImportPattern), QLocale::German);

    window.Action(kCmdLanguageEnglish)->trigger();
    QCOMPARE(window.Dialog()->Horizontal().labels[0]->text(), QStringLiteral("antenna type group"));
    QCOMPARE(diagrams->CurveBox(DiagramCurve::kV6)->text(), QStringLiteral("HCM V6 combination"));
    QCOMPARE(window.Dialog()->Button(kLogarithmicButtonId)->text(), QStringLiteral("logarithmic"));
    QVERIFY(window.Action(kCmdLanguageEnglish)->isChecked());
    QCOMPARE(FileDialogLanguage(window, kCmdExportPattern), QLocale::English);
  }

  // Every label and button of the dialog shows its whole text.
  void dialogTextsFitTheirControlsInBothLanguages() {
    StartedViewer viewer = StartViewer({}, "veltrisko");
    MainWindow& window = *viewer.window;
    for (const int command : {kCmdLanguageGerman, kCmdLanguageEnglish}) {
      window.Action(command)->trigger();
      ConfigDialogWidget* dialog = window.Dialog();
      dialog->adjustSize();
      QApplication::processEvents();
      for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(dialog)) continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->text()));
      }
      for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
      for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) < box->width(),
                 qPrintable(box->title()));
    }
  }
};

int main(int argc, char** argv) {
  // The settings of a run of this test, never the user's.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  LanguageViewerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "language_viewer_test.moc"
