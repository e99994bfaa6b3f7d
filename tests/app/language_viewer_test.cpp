// SPDX-License-Identifier: MIT
// The viewer started in English shows no German text, switches every open
// window at once and keeps the choice for the next start.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <span>

#include "app/logic/legend_content.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_settings.h"
#include "app/qt/viewer_start.h"
#include "text/dialog_texts.h"
#include "text/legend_texts.h"

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

// The German words of the catalogue that English never writes.
QStringList GermanOnlyTexts() {
  QStringList german;
  for (const std::span<const Text> group :
       {std::span<const Text>(texts::kMenuTexts), std::span<const Text>(texts::kDialogTexts),
        std::span<const Text>(texts::kLegendTexts)}) {
    for (const Text& text : group) {
      if (text.de != text.en) german << QString::fromUtf8(text.de.data(), text.de.size());
    }
  }
  return german;
}

}  // namespace

class LanguageViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void startedInEnglishShowsNoGerman() {
    StartOptions options;
    options.language = Language::kEnglish;
    StartedViewer viewer = StartViewer(options, "veltrisko");
    const QStringList shown = VisibleTexts(*viewer.window);
    QVERIFY(shown.contains(QStringLiteral("&File")));
    QVERIFY(shown.contains(QStringLiteral("half-power angle")));
    const QStringList german = GermanOnlyTexts();
    for (const QString& text : shown) {
      for (const char* letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"})
        QVERIFY2(!text.contains(QString::fromUtf8(letter)), qPrintable(text));
      QVERIFY2(!german.contains(text), qPrintable(text));
    }
    QCOMPARE(RememberedLanguage(), Language::kEnglish);
  }

  void switchingChangesOpenWindowsAndIsKeptForTheNextStart() {
    StartedViewer viewer = StartViewer({}, "veltrisko");  // English, as kept above
    MainWindow& window = *viewer.window;
    QCOMPARE(window.TextLanguage(), Language::kEnglish);
    window.Action(kCmdLanguageGerman)->trigger();
    QCOMPARE(window.menuBar()->actions()[0]->text(), QStringLiteral("&Datei"));
    QCOMPARE(window.Dialog()->windowTitle(), QStringLiteral("Konfiguration des Antennentyps"));
    QCOMPARE(window.Dialog()->Horizontal().labels[1]->text(),
             QStringLiteral("1/2-Leistung-Winkel"));
    QVERIFY(window.Action(kCmdLanguageGerman)->isChecked());
    QCOMPARE(RememberedLanguage(), Language::kGerman);

    window.Action(kCmdLanguageEnglish)->trigger();
    QCOMPARE(window.Dialog()->Horizontal().labels[0]->text(), QStringLiteral("antenna type group"));
    QCOMPARE(window.Dialog()->Button(kLogarithmicButtonId)->text(), QStringLiteral("logarithmic"));
    QVERIFY(window.Action(kCmdLanguageEnglish)->isChecked());
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
