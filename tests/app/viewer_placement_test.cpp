// SPDX-License-Identifier: MIT
// The viewer's first start on the screen it is given (run it once per screen
// size, under a window manager): the dialog covers neither the pattern's
// centre nor a legend, and so it stays once the main window is maximised.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "app/qt/config_dialog_widget.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_start.h"

using namespace veltrisko;

namespace {

QRect OnScreen(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

QString Shown(const QRect& r) {
  return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class ViewerPlacementTest : public QObject {
  Q_OBJECT

  // What must be in sight: inside the screen and not under the dialog.
  static QString Hidden(MainWindow& window) {
    const QRect screen = window.screen()->geometry();
    const QRect dialog = window.Dialog()->frameGeometry();
    const PatternView* view = window.Client()->View();
    const int side = std::min(view->width(), view->height());
    const QRect centre(view->mapToGlobal(QPoint(side / 2, side / 2)), QSize(1, 1));
    const std::pair<const char*, QRect> parts[] = {
        {"pattern centre", centre},
        {"information legend", OnScreen(*window.Client()->Info())},
        {"colour strip", OnScreen(*window.Client()->Colours())},
        {"dialog", dialog}};
    QString hidden;
    for (const auto& [name, rect] : parts) {
      if (!screen.contains(rect) || (rect != dialog && rect.intersects(dialog)))
        hidden += QString("%1 %2 (dialog %3); ").arg(name, Shown(rect), Shown(dialog));
    }
    return hidden;
  }

 private slots:
  void startKeepsPatternLegendsAndStripInSight() {
    const QSize size = QGuiApplication::primaryScreen()->size();
    std::unique_ptr<MainWindow> window = StartViewer({}, "veltrisko").window;
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(QTest::qWaitForWindowExposed(window->Dialog()));
    // Once the window manager has framed and placed both.
    QTRY_VERIFY_WITH_TIMEOUT(window->frameGeometry() != window->geometry(), 10000);
    QTest::qWait(500);
    QTRY_VERIFY2_WITH_TIMEOUT(Hidden(*window).isEmpty(),
                              qPrintable(QString("%1x%2 at the start: %3")
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(Hidden(*window))),
                              5000);
    window->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(window->isMaximized(), 5000);
    QTest::qWait(500);
    QTRY_VERIFY2_WITH_TIMEOUT(Hidden(*window).isEmpty(),
                              qPrintable(QString("%1x%2 maximised: %3")
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(Hidden(*window))),
                              5000);
    if (const char* shot = std::getenv("VELTRISKO_PLACEMENT_SHOT"))
      QGuiApplication::primaryScreen()->grabWindow(0).save(QString(shot));
  }

  // Runs after the first start: the place at an end is where the next start
  // opens, maximised again if it was.
  void theNextStartOpensWhereTheLastEnded() {
    for (const bool maximized : {false, true}) {
      std::unique_ptr<MainWindow> window = StartViewer({}, "veltrisko").window;
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
      QTRY_VERIFY_WITH_TIMEOUT(window->frameGeometry() != window->geometry(), 10000);
      window->showNormal();
      window->setGeometry(40, 60, 640, 400);
      QTRY_COMPARE_WITH_TIMEOUT(window->geometry(), QRect(40, 60, 640, 400), 5000);
      if (maximized) window->showMaximized();
      QTRY_COMPARE_WITH_TIMEOUT(window->isMaximized(), maximized, 5000);
      window->close();
      window.reset();
      window = StartViewer({}, "veltrisko").window;
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
      QTRY_COMPARE_WITH_TIMEOUT(window->isMaximized(), maximized, 5000);
      if (maximized) window->showNormal();
      QTRY_COMPARE_WITH_TIMEOUT(window->geometry(), QRect(40, 60, 640, 400), 5000);
    }
  }
};

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  ViewerPlacementTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "viewer_placement_test.moc"
