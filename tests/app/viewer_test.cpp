// SPDX-License-Identifier: MIT
// Drives the real viewer widgets the way a user does: keys, clicks, menus.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "app/logic/documentation_target.h"
#include "app/logic/legend_content.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "dialog/antenna_panel.h"
#include "dialog/config_dialog.h"
#include "render/false_colour.h"
#include "scene/scene_state.h"

using namespace veltrisko;

namespace {

constexpr float kStepDegrees = 0.02f * 57.29577951308232;

// Receives the address that "&Dokumentation" asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

int Saturated(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int spread =
          std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
      if (spread > 40) ++count;
    }
  }
  return count;
}

QColor QColorOf(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// Whether any pixel of the rectangle has exactly this colour.
bool Contains(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

}  // namespace

class ViewerTest : public QObject {
  Q_OBJECT

 private:
  MainWindow* window_ = nullptr;

  ConfigDialogWidget* Dialog() const { return window_->Dialog(); }
  QString InfoLine(int x, int y) const {
    const InfoLegendContent content =
        InfoLegendOf(sceneState, horizontalPanel.Code(), verticalPanel.Code());
    for (const TextLine& line : content.lines) {
      if (line.x == x && line.y == y) return QString::fromStdString(line.text);
    }
    return {};
  }
  // Opens a menu as a user would, so that its check marks are recomputed.
  void OpenAndClose(QMenu* menu) {
    menu->popup(window_->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->hide();
  }
  QMenu* ViewMenu() const { return window_->menuBar()->actions()[1]->menu(); }
  QMenu* ResolutionMenu() const { return ViewMenu()->actions()[8]->menu(); }
  void ActivateMainWindow() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

 private slots:
  void init() {
    sceneState = SceneState();
    window_ = new MainWindow;
    window_->resize(1000, 700);
    window_->OpenConfigDialog();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
  }

  void cleanup() {
    delete window_;
    window_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(configDialog, nullptr);
  }

  void startsWithTheDialogAndTheDefaultChoices() {
    QVERIFY(window_->windowTitle().startsWith("Veltrisko   "));
    QVERIFY(!window_->windowIcon().isNull());
    QVERIFY(Dialog()->isVisible());
    QCOMPARE(Dialog()->windowTitle(), QString("Konfiguration des Antennentyps"));
    QCOMPARE(Dialog()->Horizontal().edit->text(), QString("030EA00"));
    QCOMPARE(Dialog()->Vertical().edit->text(), QString("030EA00"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA00"));
    QVERIFY(Dialog()->Button(kHcmV7ButtonId)->isChecked());
    QVERIFY(!Dialog()->Button(kHcmV6ButtonId)->isChecked());
    QVERIFY(Dialog()->Button(kLinearButtonId)->isChecked());
    QVERIFY(!Dialog()->DbRangeSliderWidget()->isVisible());
    QCOMPARE(Dialog()->DbRangeSliderWidget()->value(), 40);
    // The edit field takes the focus whenever the dialog is active.
    QCOMPARE(Dialog()->focusWidget(), Dialog()->Horizontal().edit);
    // P2 and P4 are hidden for "EA".
    QVERIFY(!Dialog()->Horizontal().sliders[2]->isVisible());
    QVERIFY(!Dialog()->Horizontal().sliders[4]->isVisible());
    QCOMPARE(Dialog()->Horizontal().labels[1]->text(), QString("1/2-Leistung-Winkel"));

    OpenAndClose(ViewMenu());
    OpenAndClose(ResolutionMenu());
    for (const MenuEntry& entry : kMainMenu) {
      if (entry.kind != MenuEntryKind::kItem) continue;
      QAction* action = window_->Action(entry.command);
      QVERIFY(action != nullptr);
      QCOMPARE(action->text(), QString::fromUtf8(entry.text.de.data(), entry.text.de.size()));
      QCOMPARE(action->isChecked(), entry.initiallyChecked);
    }
  }

  void menuBarHasThePopupsWithSeparatorsAndTheResolutionSubmenu() {
    const QList<QAction*> popups = window_->menuBar()->actions();
    // The specified popups with "Extras" of the pattern file features.
    QCOMPARE(popups.size(), 4);
    QCOMPARE(popups[0]->text(), QString("&Datei"));
    QCOMPARE(popups[1]->text(), QString("&Ansicht"));
    QCOMPARE(popups[2]->text(), QString("&Extras"));
    QCOMPARE(popups[3]->text(), QString("&Hilfe"));
    // The specified items with the import and export between separators.
    const QList<QAction*> file = popups[0]->menu()->actions();
    QCOMPARE(file.size(), 6);
    QVERIFY(file[1]->isSeparator());
    QCOMPARE(file[2]->text(), QString("Diagramm &importieren…"));
    QCOMPARE(file[3]->text(), QString("Diagramm &exportieren…"));
    QVERIFY(file[4]->isSeparator());
    const QList<QAction*> view = popups[1]->menu()->actions();
    // The specified items, then the analysis features and the language after
    // separators.
    QCOMPARE(view.size(), 14);
    QVERIFY(view[7]->isSeparator());
    QCOMPARE(view[8]->text(), QString("Auflösung"));
    QCOMPARE(view[8]->menu()->actions().size(), 5);
    QVERIFY(view[9]->isSeparator());
    QCOMPARE(view[10]->text(), QString("&2D-Diagramme"));
    QCOMPARE(view[11]->text(), QString("&Unterschied V6/V7"));
    QVERIFY(view[11]->isCheckable() && !view[11]->isChecked());
    // Then the language, after another separator.
    QVERIFY(view[12]->isSeparator());
    QCOMPARE(view[13]->text(), QString("S&prache"));
  }

  void movingASliderRecomposesBothCodesAndRepaints() {
    Dialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QSlider* p3 = Dialog()->Horizontal().sliders[3];
    p3->setFocus();
    QTest::keyClick(p3, Qt::Key_Right);
    QCOMPARE(Dialog()->Horizontal().edit->text(), QString("030EA01"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA01"));
    QTRY_COMPARE(repaints.count(), 1);
    // The arrow key moved the dialog's slider, not the view.
    QCOMPARE(sceneState.azimuth, 0.0f);

    // Dragging the type slider with the mouse to the far left gives "ND".
    QSlider* type = Dialog()->Horizontal().sliders[0];
    const QPoint handle(type->width() * 1 / 28 + 4, type->height() / 2);
    QTest::mousePress(type, Qt::LeftButton, {}, handle);
    QTest::mouseMove(type, QPoint(0, type->height() / 2));
    QTest::mouseRelease(type, Qt::LeftButton, {}, QPoint(0, type->height() / 2));
    QCOMPARE(type->value(), 0);
    QCOMPARE(QString(horizontalPanel.Code()), QString("000ND00"));
    QVERIFY(!Dialog()->Horizontal().sliders[1]->isVisible());
    QCOMPARE(QString(verticalPanel.Code()), QString("030EA00"));
    QTRY_VERIFY(repaints.count() >= 2);
  }

  void typingTakesOverOnlyCompleteCodes() {
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QLineEdit* edit = Dialog()->Vertical().edit;
    TypeInto(edit, "045ea1");
    QCOMPARE(edit->text(), QString("045EA1"));
    QTest::qWait(50);
    QCOMPARE(repaints.count(), 0);
    QCOMPARE(QString(verticalPanel.Code()), QString("030EA00"));

    QTest::keyClicks(edit, "2");
    QCOMPARE(QString(verticalPanel.Code()), QString("045EA12"));
    QCOMPARE(Dialog()->Vertical().sliders[1]->value(), 45);
    QCOMPARE(Dialog()->Vertical().sliders[3]->value(), 12);
    QTRY_COMPARE(repaints.count(), 1);
    QCOMPARE(InfoLine(122, 114), QString("vert.: 045EA12"));
  }

  void logarithmicShowsAndLinearHidesTheDbSlider() {
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QTest::mouseClick(Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    QVERIFY(sceneState.logScale);
    QVERIFY(Dialog()->DbRangeSliderWidget()->isVisible());
    QTRY_COMPARE(repaints.count(), 1);
    QCOMPARE(InfoLine(13, 154), QString("logarithmisch"));
    QCOMPARE(InfoLine(122, 154), QString("-40 .. 0 dB"));

    QSlider* db = Dialog()->DbRangeSliderWidget();
    db->setFocus();
    QTest::keyClick(db, Qt::Key_End);
    QCOMPARE(sceneState.dbRange, 40.0f);
    QTest::keyClick(db, Qt::Key_Home);
    QCOMPARE(sceneState.dbRange, 1.0f);
    for (int i = 0; i < 9; ++i) QTest::keyClick(db, Qt::Key_Right);
    QCOMPARE(sceneState.dbRange, 10.0f);
    QCOMPARE(ColourLegendOf(sceneState).leftLabel, std::string("-10 dB"));

    QTest::mouseClick(Dialog()->Button(kLinearButtonId), Qt::LeftButton);
    QVERIFY(!sceneState.logScale);
    QVERIFY(!db->isVisible());
    QCOMPARE(db->value(), 10);
    QTest::mouseClick(Dialog()->Button(kHcmV6ButtonId), Qt::LeftButton);
    QVERIFY(!sceneState.useHcmV7);
    QVERIFY(!Dialog()->Button(kHcmV7ButtonId)->isChecked());
  }

  void menuToggles_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("field");  // offset into the flags below
    QTest::newRow("Gitternetz") << int(kCmdGrid) << 0;
    QTest::newRow("Oberfläche") << int(kCmdSurface) << 1;
    QTest::newRow("Falschfarbendarstellung") << int(kCmdFalseColour) << 2;
    QTest::newRow("horizontale Richtcharakteristik") << int(kCmdHorizontalDiagram) << 3;
    QTest::newRow("vertikale Richtcharakteristik") << int(kCmdVerticalDiagram) << 4;
    QTest::newRow("horizontaler Schnitt") << int(kCmdHorizontalCut) << 5;
  }

  void menuToggles() {
    QFETCH(int, command);
    QFETCH(int, field);
    bool SceneState::*const flags[] = {&SceneState::showGrid,
                                       &SceneState::showSurface,
                                       &SceneState::falseColour,
                                       &SceneState::showHorizontalDiagram,
                                       &SceneState::showVerticalDiagram,
                                       &SceneState::showHorizontalCut};
    bool& flag = sceneState.*flags[field];
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QAction* action = window_->Action(command);
    for (bool expected : {false, true}) {
      action->trigger();
      QCOMPARE(flag, expected);
      OpenAndClose(ViewMenu());
      QCOMPARE(action->isChecked(), expected);
    }
    QCOMPARE(repaints.count(), 2);
    // The mark is taken from the scene whenever the menu opens.
    flag = false;
    OpenAndClose(ViewMenu());
    QVERIFY(!action->isChecked());
  }

  void resolutionItemsFormOneGroup() {
    const std::pair<int, int> choices[] = {{kCmdResolutionVeryCoarse, 15},
                                           {kCmdResolutionCoarse, 10},
                                           {kCmdResolutionFine, 3},
                                           {kCmdResolutionVeryFine, 2},
                                           {kCmdResolutionStandard, 6}};
    for (auto [command, step] : choices) {
      window_->Action(command)->trigger();
      QCOMPARE(sceneState.resolutionStep, step);
      OpenAndClose(ResolutionMenu());
      int checked = 0;
      for (QAction* item : ResolutionMenu()->actions()) checked += item->isChecked() ? 1 : 0;
      QCOMPARE(checked, 1);
      QVERIFY(window_->Action(command)->isChecked());
    }
    // The group follows the scene when the menu opens.
    sceneState.resolutionStep = 10;
    OpenAndClose(ResolutionMenu());
    QVERIFY(window_->Action(kCmdResolutionCoarse)->isChecked());
    QVERIFY(!window_->Action(kCmdResolutionStandard)->isChecked());
  }

  void keysTurnTheViewOneStepPerRepetition() {
    ActivateMainWindow();
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QTest::keyClick(window_, Qt::Key_Left);
    QCOMPARE(sceneState.azimuth, -kStepDegrees);
    QCOMPARE(InfoLine(13, 94), QString("Azimut: -1.1 °"));
    // Holding the key: every auto-repeated press is one step and one repaint.
    for (int i = 0; i < 4; ++i)
      QTest::simulateEvent(window_, true, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QTest::keyRelease(window_, Qt::Key_Right);
    QCOMPARE(sceneState.azimuth, static_cast<float>(3 * 0.02f * 57.29577951308232));
    QCOMPARE(repaints.count(), 5);

    QTest::keyClick(window_, Qt::Key_PageDown);
    QTest::keyClick(window_, Qt::Key_PageDown);
    QTest::keyClick(window_, Qt::Key_PageUp);
    QCOMPARE(sceneState.elevation, kStepDegrees);
    QCOMPARE(InfoLine(13, 114), QString("Elevation: 1.1 °"));
    QTest::keyClick(window_, Qt::Key_Up);
    QCOMPARE(sceneState.tilt, -kStepDegrees);
    QTest::keyClick(window_, Qt::Key_Down);
    QTest::keyClick(window_, Qt::Key_Down);
    QCOMPARE(sceneState.tilt, kStepDegrees);
    QCOMPARE(InfoLine(13, 134), QString("Kippung: 1.1 °"));

    const QImage turned = window_->Client()->Info()->grab().toImage();
    QTest::keyClick(window_, Qt::Key_Home);
    QCOMPARE(sceneState.azimuth, 0.0f);
    QCOMPARE(sceneState.elevation, 0.0f);
    QCOMPARE(sceneState.tilt, 0.0f);
    QCOMPARE(InfoLine(13, 94), QString("Azimut: 0.0 °"));
    QVERIFY(window_->Client()->Info()->grab().toImage() != turned);
    QCOMPARE(repaints.count(), 12);
  }

  void keysReachTheWindowWideCommandsFromThePicture() {
    // The picture is a window of its own that takes no keyboard focus; keys
    // that reach it all the same still turn the view.
    PatternView* view = window_->Client()->View();
    ActivateMainWindow();
    QVERIFY(QGuiApplication::focusWindow() != view);
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QSignalSpy frames(view, &PatternView::FrameDrawn);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(sceneState.azimuth, kStepDegrees);
    QCOMPARE(sceneState.elevation, kStepDegrees);
    QCOMPARE(repaints.count(), 2);
    QTRY_VERIFY(frames.count() >= 1);  // the repaint reaches the picture
  }

  void legendCommandHidesAndShowsBothLegends() {
    QAction* legend = window_->Action(kCmdLegend);
    legend->trigger();
    QVERIFY(!window_->Client()->Info()->isVisible());
    QVERIFY(!window_->Client()->Colours()->isVisible());
    OpenAndClose(ViewMenu());
    QVERIFY(!legend->isChecked());
    legend->trigger();
    QVERIFY(window_->Client()->Info()->isVisible());
    QVERIFY(window_->Client()->Colours()->isVisible());
    OpenAndClose(ViewMenu());
    QVERIFY(legend->isChecked());
  }

  void resizingKeepsTheLegendsInPlace() {
    for (QSize size : {QSize(900, 650), QSize(397, 500), QSize(300, 400)}) {
      window_->resize(size);
      QTRY_COMPARE(window_->size(), size);
      const QWidget* client = window_->Client();
      QTRY_COMPARE(window_->Client()->Info()->geometry(),
                   QRect(client->width() - 220, 0, 220, 184));
      const int left = (client->width() - 400) / 2;
      QCOMPARE(window_->Client()->Colours()->geometry(),
               QRect(left, client->height() - 24, 400, 24));
      if (client->width() < 399) QVERIFY(left < 0);
    }
  }

  void invalidCodeLeavesAxesOnlyUntilCorrected() {
    const PatternView* view = window_->Client()->View();
    QVERIFY(Saturated(window_->Client()->View()->GrabFrame()) > 1000);
    TypeInto(Dialog()->Horizontal().edit, "066EA00");
    QCOMPARE(QString(horizontalPanel.Code()), QString("066EA00"));
    const QImage invalid = window_->Client()->View()->GrabFrame();
    QCOMPARE(Saturated(invalid), 0);
    const QColor white(255, 255, 255);
    QCOMPARE(invalid.pixelColor(invalid.width() - 5, 5), white);
    int grey = 0;
    for (int y = 0; y < invalid.height(); y += 2) {
      for (int x = 0; x < invalid.width(); x += 2) grey += invalid.pixelColor(x, y) != white;
    }
    QVERIFY(grey > 50);  // the axes are there

    TypeInto(Dialog()->Horizontal().edit, "030EA00");
    QVERIFY(Saturated(window_->Client()->View()->GrabFrame()) > 1000);
    QVERIFY(view->context()->isValid());
  }

  void enterAndEscapeLeaveTheDialogAlone() {
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    Dialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
    for (QWidget* target : {static_cast<QWidget*>(Dialog()->Horizontal().edit),
                            static_cast<QWidget*>(Dialog()->Horizontal().sliders[1])}) {
      target->setFocus();
      QTest::keyClick(target, Qt::Key_Return);
      QTest::keyClick(target, Qt::Key_Enter);
      QTest::keyClick(target, Qt::Key_Escape);
    }
    QTest::qWait(50);
    QVERIFY(Dialog()->isVisible());
    QVERIFY(configDialog != nullptr);
    QCOMPARE(repaints.count(), 0);
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA00"));
    QCOMPARE(Dialog()->Horizontal().edit->text(), QString("030EA00"));
  }

  void closingAndReopeningTheDialog() {
    ConfigDialogWidget* first = Dialog();
    window_->HandleCommand(kCmdAntennaType);
    QCOMPARE(Dialog(), first);  // an open dialog is only raised

    QTest::mouseClick(first->Button(kHcmV6ButtonId), Qt::LeftButton);
    QTest::mouseClick(first->Button(kLogarithmicButtonId), Qt::LeftButton);
    TypeInto(first->Horizontal().edit, "045EA12");
    QSignalSpy repaints(window_, &MainWindow::Repainted);
    QTest::qWait(20);
    repaints.clear();
    const QPointer<ConfigDialogWidget> closed(first);
    first->close();
    QVERIFY(!first->isVisible());
    QCOMPARE(configDialog, nullptr);
    QTest::qWait(20);
    QCOMPARE(repaints.count(), 0);
    // The closed dialog's code stays in force; the keys still work.
    QCOMPARE(QString(horizontalPanel.Code()), QString("045EA12"));
    ActivateMainWindow();
    QTest::keyClick(window_, Qt::Key_Right);
    QCOMPARE(sceneState.azimuth, kStepDegrees);

    window_->Action(kCmdAntennaType)->trigger();
    ConfigDialogWidget* second = Dialog();
    // A new dialog: the closed one is gone (the new one may take its memory).
    QVERIFY(closed.isNull() && second != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(second->Horizontal().edit->text(), QString("030EA00"));
    QCOMPARE(second->Vertical().edit->text(), QString("030EA00"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA00"));
    // The new dialog shows the choice in force.
    QVERIFY(second->Button(kHcmV6ButtonId)->isChecked());
    QVERIFY(second->Button(kLogarithmicButtonId)->isChecked());
    QVERIFY(second->DbRangeSliderWidget()->isVisible());
    QVERIFY(!sceneState.useHcmV7);
    QVERIFY(sceneState.logScale);
  }

  void legendsShowTheirColoursAndLabels() {
    const QImage info = window_->Client()->Info()->grab().toImage();
    // One pixel of border, then the client area.
    QCOMPARE(info.pixelColor(1 + 200, 1 + 3), QColor(255, 255, 200));
    QCOMPARE(info.pixelColor(1 + 11, 1 + 15), QColor(64, 64, 64));     // swatch outline
    QCOMPARE(info.pixelColor(1 + 14, 1 + 18), QColor(255, 0, 0));      // horizontal key
    QCOMPARE(info.pixelColor(1 + 14, 1 + 38), QColor(0, 255, 0));      // vertical key
    QCOMPARE(info.pixelColor(1 + 14, 1 + 58), QColor(0, 0, 255));      // cut key
    QCOMPARE(info.pixelColor(1 + 14, 1 + 78), QColor(160, 145, 220));  // surface key
    QCOMPARE(info.pixelColor(1 + 18, 1 + 18), QColor(255, 255, 200));  // right of the swatch
    QCOMPARE(info.pixelColor(0, 0), QColor(0, 0, 0));                  // border

    const QImage linear = window_->Client()->Colours()->grab().toImage();
    QCOMPARE(linear.pixelColor(1 + 0, 1 + 20), QColorOf(FalseColourOf(0.0f)));
    QCOMPARE(linear.pixelColor(1 + 200, 1 + 20), QColorOf(FalseColourOf(0.5f)));
    QCOMPARE(linear.pixelColor(1 + 397, 1 + 20), QColorOf(FalseColourOf(1.0f)));
    const QColor label(250, 250, 250);
    QVERIFY(Contains(linear, QRect(1, 1, 30, 20), label));
    QVERIFY(Contains(linear, QRect(370, 1, 27, 20), label));
    QVERIFY(!Contains(linear, QRect(398, 1, 1, 22), label));  // the right label ends at 396

    QTest::mouseClick(Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    QTRY_VERIFY(window_->Client()->Colours()->grab().toImage() != linear);
    const QImage logarithmic = window_->Client()->Colours()->grab().toImage();
    // "-40 dB" reaches further right than "0 W".
    QVERIFY(Contains(logarithmic, QRect(30, 1, 15, 20), label));
    QVERIFY(!Contains(linear, QRect(30, 1, 15, 20), label));
  }

  void documentationOpensTheConfiguredTarget() {
    // The web page when the build names a host, else the installed guide;
    // German, as the viewer starts.
    const DocumentationTarget target = DocumentationTargetOf(
        VELTRISKO_DOC_HOST, QCoreApplication::applicationDirPath().toStdString(), "de");
    const QString location = QString::fromStdString(target.location);
    const QString scheme = target.isWebPage ? "https" : "file";
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    window_->Action(kCmdDocumentation)->trigger();
    QDesktopServices::unsetUrlHandler(scheme);
    if (target.isWebPage || QFileInfo::exists(location)) {
      QCOMPARE(catcher.opened.size(), 1);
      QCOMPARE(catcher.opened[0],
               target.isWebPage ? QUrl(location) : QUrl::fromLocalFile(location));
      QVERIFY(QString(VELTRISKO_DOC_HOST).isEmpty() || location.endsWith("/hcm/"));
      return;
    }
    // No guide installed: a message box says where it belongs.
    QCOMPARE(catcher.opened.size(), 0);
    auto* box = window_->findChild<QMessageBox*>("documentationMessage");
    QVERIFY(box != nullptr && box->isVisible());
    QVERIFY(box->text().contains(location));
    box->close();
  }

  void aboutTellsVersionLicenceAndGuide() {
    window_->Action(kCmdAbout)->trigger();
    auto* box = window_->findChild<QMessageBox*>("aboutMessage");
    QVERIFY(box != nullptr && box->isVisible());
    QCOMPARE(box->windowTitle(), QString("Über Veltrisko"));
    QVERIFY(box->text().startsWith("Veltrisko 0."));
    QVERIFY(box->text().contains("Lizenz: MIT"));
    QVERIFY(box->text().contains(QString::fromStdString(
        DocumentationTargetOf(VELTRISKO_DOC_HOST,
                              QCoreApplication::applicationDirPath().toStdString(), "de")
            .location)));
    box->close();
  }

  // The picture on the screen is the headless renderer's frame of the same
  // state, pixel for pixel: both draw into a window-system buffer.
  void frameEqualsTheHeadlessFrame() {
    ActivateMainWindow();
    QTest::mouseClick(Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    for (int i = 0; i < 5; ++i) QTest::keyClick(window_, Qt::Key_Right);
    for (int i = 0; i < 3; ++i) QTest::keyClick(window_, Qt::Key_PageUp);
    PatternView* view = window_->Client()->View();
    // The second of two grabs: a frame after another one, as on the screen.
    view->GrabFrame();
    const QImage shown = view->GrabFrame().convertToFormat(QImage::Format_RGB888);
    const QString expectedPath =
        QDir(VELTRISKO_TEST_OUTPUT_DIR).filePath("viewer-frame-headless.png");
    QDir().mkpath(VELTRISKO_TEST_OUTPUT_DIR);
    QProcess headless;
    headless.start(
        VELTRISKO_STEADY_FRAME_PATH,
        {"--horizontal", "030EA00", "--vertical", "030EA00", "--log", "40", "--azimuth",
         QString::asprintf("%.9g", double{sceneState.azimuth}), "--elevation",
         QString::asprintf("%.9g", double{sceneState.elevation}), "--size",
         QString("%1x%2").arg(shown.width()).arg(shown.height()), "--output", expectedPath});
    QVERIFY(headless.waitForFinished(60000));
    QCOMPARE(headless.exitCode(), 0);
    const QImage expected = QImage(expectedPath).convertToFormat(QImage::Format_RGB888);
    QCOMPARE(expected.size(), shown.size());
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x)
        differing += shown.pixel(x, y) != expected.pixel(x, y);
    }
    if (differing != 0) {
      qWarning("%d pixels differ", differing);
      shown.save(QDir(VELTRISKO_TEST_OUTPUT_DIR).filePath("viewer-frame-shown.png"));
      QFAIL("the viewer's frame differs from the headless one (both kept in the test output)");
    }
  }

  void viewHasACompatibilityContextWithDepth() {
    const QSurfaceFormat format = window_->Client()->View()->context()->format();
    QVERIFY(format.version() >= qMakePair(2, 1));
    QVERIFY(format.profile() != QSurfaceFormat::CoreProfile);
    QVERIFY(format.depthBufferSize() >= 24);
    qInfo("granted OpenGL %d.%d, depth %d", format.majorVersion(), format.minorVersion(),
          format.depthBufferSize());
  }

  void quitClosesTheMainWindow() {
    window_->Action(kCmdQuit)->trigger();
    QVERIFY(!window_->isVisible());
  }
};

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  ViewerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "viewer_test.moc"
