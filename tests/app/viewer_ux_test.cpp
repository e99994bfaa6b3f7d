// SPDX-License-Identifier: MIT
// The viewer as a user meets it, under a window manager or none: where the
// dialog opens, the keyboard order, the value texts, the code-field state,
// the mouse and the command line.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "app/logic/code_feedback.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/qt/analysis_features.h"
#include "app/qt/code_message.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_window.h"
#include "app/qt/direction_readout.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_file_features.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_start.h"
#include "dialog/pasted_code.h"

using namespace veltrisko;

namespace {

// The standard output of an X utility; empty when it fails.
QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// A window manager names its check window on the root; a manager that has
// ended may leave the name behind, but not the window.
bool WindowManagerRunning() {
  const QString check = Run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
  if (!check.contains("window id")) return false;
  const QString id = check.section('#', 1).trimmed();
  return !Run("xprop", {"-id", id, "_NET_SUPPORTING_WM_CHECK"}).isEmpty();
}

// The top-level client windows from bottom to top, as X stacks them.
QList<WId> StackingOrder() {
  QList<WId> order;
  if (WindowManagerRunning()) {
    const QString list = Run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QString& id : list.section('#', 1).split(',', Qt::SkipEmptyParts))
      order.append(id.trimmed().toULongLong(nullptr, 16));
  } else {
    // xwininfo lists the root's children from the top down.
    for (const QString& line : Run("xwininfo", {"-root", "-children"}).split('\n')) {
      const QString id = line.trimmed().section(' ', 0, 0);
      if (id.startsWith("0x")) order.prepend(id.toULongLong(nullptr, 16));
    }
  }
  return order;
}

// The stacking order as the window manager and the X server see it settles
// a moment after the windows appear.
bool IsAbove(const QWidget* upper, const QWidget* lower) {
  const QList<WId> order = StackingOrder();
  const qsizetype up = order.indexOf(upper->winId());
  const qsizetype low = order.indexOf(lower->winId());
  return up >= 0 && low >= 0 && up > low;
}

}  // namespace

class ViewerUxTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  ConfigDialogWidget* Dialog() const { return window_->Dialog(); }
  void Start(const StartOptions& options = {}) {
    window_ = StartViewer(options, "veltrisko").window;
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
    // The main window is active, so that the keys turn the view at once.
    QTRY_COMPARE(QApplication::activeWindow(), window_.get());
  }
  // The keys the main window takes (arrows, Home) reach the dialog's
  // sliders only while the dialog is active.
  void ActivateDialog() {
    Dialog()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), Dialog());
  }
  // Both codes non-directional: the picture is a sphere, whose middle is on
  // the pattern from any view.
  static StartOptions Sphere() {
    StartOptions options;
    options.horizontalCode = options.verticalCode = "000ND00";
    return options;
  }
  void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // Fully on the screen, beside the main window where a side of it has room
  // (else over its lower right part), and above it in the stacking order.
  void CheckDialogPlacement() {
    // The window manager may still be moving the windows to their places:
    // they are measured once they stand.
    for (int settled = 0, tries = 0; settled < 3 && tries < 50; ++tries) {
      const QRect before = Dialog()->frameGeometry().united(window_->frameGeometry());
      QTest::qWait(100);
      const QRect after = Dialog()->frameGeometry().united(window_->frameGeometry());
      settled = before == after ? settled + 1 : 0;
    }
    const QRect dialog = Dialog()->frameGeometry();
    const QRect owner = window_->frameGeometry();
    QVERIFY2(window_->screen()->availableGeometry().contains(dialog),
             qPrintable(QString("dialog %1,%2 %3x%4")
                            .arg(dialog.x())
                            .arg(dialog.y())
                            .arg(dialog.width())
                            .arg(dialog.height())));
    const QRect screen = window_->screen()->availableGeometry();
    const bool room = owner.right() + dialog.width() <= screen.right() ||
                      owner.left() - dialog.width() >= screen.left() ||
                      owner.bottom() + dialog.height() <= screen.bottom() ||
                      owner.top() - dialog.height() >= screen.top();
    if (room) {
      QVERIFY(!dialog.intersects(owner));
    } else {
      QVERIFY(dialog.center().x() > owner.center().x());
      QVERIFY(dialog.center().y() > owner.center().y());
    }
    QTRY_VERIFY(IsAbove(Dialog(), window_.get()));
  }

 private slots:
  void initTestCase() {
    // The harness runs this test twice: once with a window manager.
    if (qEnvironmentVariableIsSet("VELTRISKO_EXPECT_WINDOW_MANAGER"))
      QTRY_VERIFY_WITH_TIMEOUT(WindowManagerRunning(), 10000);
    qInfo("window manager: %s", WindowManagerRunning() ? "yes" : "no");
  }

  void init() { sceneState = SceneState(); }

  void cleanup() {
    window_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void dialogOpensAboveTheActiveMainWindowAndWhenCreatedAgain() {
    Start();
    CheckDialogPlacement();
    Dialog()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_->HandleCommand(kCmdAntennaType);
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
    CheckDialogPlacement();
  }

  void dialogStaysAboveWhenTheMainWindowIsClicked() {
    // A window manager raises the window a user clicks into; a dialog it
    // knows as owned stays above its owner then.
    if (!WindowManagerRunning()) QSKIP("only a window manager raises a clicked window");
    Start(Sphere());
    QTRY_VERIFY(IsAbove(Dialog(), window_.get()));
    const auto click = [](QPoint at) {
      Run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    };
    // A click into the picture (it pins the readout) at the sphere's middle.
    PatternView* view = window_->Client()->View();
    const int side = std::min(view->width(), view->height());
    click(view->mapToGlobal(QPoint(side / 2, side / 2)));
    QTRY_VERIFY(window_->Analysis()->Readout()->Pinned().has_value());
    QTest::qWait(300);
    QVERIFY(IsAbove(Dialog(), window_.get()));
    // A click on the menu bar, which opens the menu.
    QMenuBar* bar = window_->menuBar();
    click(bar->mapToGlobal(bar->actionGeometry(bar->actions().first()).center()));
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::qWait(300);
    QVERIFY(IsAbove(Dialog(), window_.get()));
    QApplication::activePopupWidget()->close();
  }

  void readoutBoxStaysClearOfTheDialog() {
    Start(Sphere());
    // The window manager may still be moving the windows to their start-up
    // places; the dialog is moved only once they stand.
    QTest::qWait(500);
    // The dialog just below and right of the sphere's middle, where the box
    // would go beside the cursor.
    PatternView* view = window_->Client()->View();
    const int side = std::min(view->width(), view->height());
    const QPoint middle(side / 2, side / 2);
    Dialog()->move(view->mapToGlobal(middle) + QPoint(40, 40));
    QTRY_VERIFY(Dialog()->frameGeometry().contains(view->mapToGlobal(middle) + QPoint(60, 60)));
    QTest::mouseMove(view, middle);
    QWidget* box = window_->Analysis()->Readout()->Box();
    QTRY_VERIFY(box->isVisible());
    const QRect onScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
    QVERIFY(!onScreen.intersects(Dialog()->frameGeometry()));
  }

  void minimisedDiagramWindowComesBack() {
    // By its menu entry and by an import, which shows the imported curves.
    Start();
    AnalysisFeatures* analysis = window_->Analysis();
    auto* files = window_->findChild<PatternFileFeatures*>();
    QTemporaryDir dir;
    const QString pattern = dir.filePath("p.msi");
    QVERIFY(files->ExportTo(pattern));
    const std::function<void()> ways[] = {[analysis] { analysis->DiagramsAction()->trigger(); },
                                          [files, pattern] { files->ImportFrom(pattern); }};
    for (const auto& bringBack : ways) {
      analysis->DiagramsAction()->trigger();
      DiagramWindow* diagrams = analysis->Diagrams();
      QVERIFY(QTest::qWaitForWindowExposed(diagrams));
      // A window manager ignores an iconify request for a window it does
      // not manage yet: wait until it lists the window as its client.
      if (WindowManagerRunning()) QTRY_VERIFY(StackingOrder().contains(diagrams->winId()));
      diagrams->showMinimized();
      QTRY_VERIFY(diagrams->isMinimized());
      if (WindowManagerRunning()) {
        // Under load the window manager has now and then dropped the request
        // it got just after taking the window: the iconify request again.
        bool hidden = false;
        for (int attempt = 0; attempt < 4 && !hidden; ++attempt) {
          hidden = QTest::qWaitFor([&] { return !diagrams->windowHandle()->isExposed(); }, 2500);
          if (!hidden) Run("xdotool", {"windowminimize", QString::number(diagrams->winId())});
        }
        QVERIFY(hidden);
      }
      bringBack();
      QTRY_VERIFY(!diagrams->isMinimized());
      QTRY_VERIFY(diagrams->windowHandle()->isExposed());
      if (WindowManagerRunning()) QTRY_VERIFY(IsAbove(diagrams, window_.get()));
    }
  }

  void dialogHasAFixedSizeAndNoMaximiseButton() {
    Start();
    const QSize size = Dialog()->size();
    QCOMPARE(Dialog()->minimumSize(), size);
    QCOMPARE(Dialog()->maximumSize(), size);
    QVERIFY(!(Dialog()->windowFlags() & Qt::WindowMaximizeButtonHint));
    Dialog()->resize(size * 2);
    QCOMPARE(Dialog()->size(), size);
    // What the window asks of any window manager: a close box, no maximise
    // function or button (Motif hints: flags, functions, decorations).
    const QStringList motif =
        Run("xprop", {"-id", QString::number(Dialog()->winId()), "_MOTIF_WM_HINTS"})
            .section('=', 1)
            .split(',');
    QCOMPARE(motif.size(), 5);
    const uint functions = motif[1].trimmed().toUInt(nullptr, 16);
    const uint decorations = motif[2].trimmed().toUInt(nullptr, 16);
    constexpr uint kAll = 0x1, kMaximizeFunction = 0x10, kClose = 0x20, kMaximizeButton = 0x40;
    QVERIFY(!(functions & (kAll | kMaximizeFunction)) && (functions & kClose));
    QVERIFY(!(decorations & (kAll | kMaximizeButton)));
    if (WindowManagerRunning()) {
      const QString actions =
          Run("xprop", {"-id", QString::number(Dialog()->winId()), "_NET_WM_ALLOWED_ACTIONS"});
      QVERIFY(actions.contains("_NET_WM_ACTION_CLOSE"));
      QVERIFY(!actions.contains("MAXIMIZE"));
      QVERIFY(!actions.contains("RESIZE"));
    }
  }

  void tabFollowsTheTemplate_data() {
    QTest::addColumn<bool>("hcmV6");
    QTest::addColumn<bool>("logarithmic");
    QTest::newRow("start-up choice") << false << false;
    QTest::newRow("V6, logarithmic") << true << true;
  }

  void tabFollowsTheTemplate() {
    QFETCH(bool, hcmV6);
    QFETCH(bool, logarithmic);
    Start();
    ActivateDialog();
    if (hcmV6) QTest::mouseClick(Dialog()->Button(kHcmV6ButtonId), Qt::LeftButton);
    if (logarithmic) QTest::mouseClick(Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    const auto& h = Dialog()->Horizontal();
    const auto& v = Dialog()->Vertical();
    // "EA" shows P1 and P3 only; the groups are entered on their checked
    // buttons; the dB slider only in logarithmic display.
    QList<QWidget*> expected = {h.edit, h.sliders[0], h.sliders[1], h.sliders[3],
                                v.edit, v.sliders[0], v.sliders[1], v.sliders[3]};
    expected.append(Dialog()->Button(hcmV6 ? kHcmV6ButtonId : kHcmV7ButtonId));
    expected.append(Dialog()->Button(logarithmic ? kLogarithmicButtonId : kLinearButtonId));
    if (logarithmic) expected.append(Dialog()->DbRangeSliderWidget());
    expected.append(h.edit);  // and round again
    h.edit->setFocus();
    QList<QWidget*> visited = {QApplication::focusWidget()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget());
    }
    QCOMPARE(visited, expected);
  }

  void slidersShowTheirValues_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("texts");  // type, P1 .. P4; empty: hidden
    QTest::newRow("ND") << "000ND00" << QStringList{"ND – ungerichtet", "", "", "", ""};
    QTest::newRow("EA") << "030EA10" << QStringList{"EA – gerichtet", "30°", "", "10 %", ""};
    QTest::newRow("KA") << "050KA10"
                        << QStringList{"KA – Einschnürung nach hinten", "50 %", "", "10 %", ""};
    QTest::newRow("VA") << "130VA20"
                        << QStringList{"VA – Doppelstrahl, Rückfeld 0", "Stufe 1 (20°)", "30°",
                                       "20 %", ""};
    QTest::newRow("WB") << "205WB31"
                        << QStringList{"WB – Doppelstrahl, Rückfeld 0,05", "Stufe 2 (25°)", "5°",
                                       "Stufe 3 (15 %)", "Stufe 1 (40 %)"};
    QTest::newRow("TA") << "089TA05" << QStringList{"TA – schmaler Strahl", "8,9°", "", "5 %", ""};
  }

  void slidersShowTheirValues() {
    QFETCH(QString, code);
    QFETCH(QStringList, texts);
    Start();
    ActivateDialog();
    const auto& panel = Dialog()->Horizontal();
    Type(panel.edit, code);
    QCOMPARE(QString(horizontalPanel.Code()), code);
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(panel.values[i]->isVisible(), !texts[i].isEmpty());
      if (!texts[i].isEmpty()) QCOMPARE(panel.values[i]->text(), texts[i]);
    }
    // Moving a slider updates its text at once; so does the dB slider.
    panel.sliders[3]->setFocus();
    QTest::keyClick(panel.sliders[3], Qt::Key_Home);
    if (!texts[3].isEmpty()) QVERIFY(panel.values[3]->text() != texts[3]);
    QVERIFY(!Dialog()->DbRangeValue()->isVisible());
    QTest::mouseClick(Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    QVERIFY(Dialog()->DbRangeValue()->isVisible());
    QCOMPARE(Dialog()->DbRangeValue()->text(), QString("−40 dB"));
    Dialog()->DbRangeSliderWidget()->setFocus();
    QTest::keyClick(Dialog()->DbRangeSliderWidget(), Qt::Key_Left);
    QCOMPARE(Dialog()->DbRangeValue()->text(), QString("−39 dB"));
  }

  void pastedPairFillsBothCodeFields() {
    Start();
    ActivateDialog();
    QLineEdit* edit = Dialog()->Horizontal().edit;
    QCOMPARE(edit->maxLength(), kCodeFieldMaxLength);
    QApplication::clipboard()->setText(QStringLiteral(" 045EA15\t020EA05\r\n"));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("045EA15"));
    QCOMPARE(Dialog()->Vertical().edit->text(), QString("020EA05"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("045EA15"));
    QCOMPARE(QString(verticalPanel.Code()), QString("020EA05"));
  }

  void codeFieldTellsWhetherItsCodeIsInForce_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("message");
    QTest::newRow("complete") << "030EA10" << int(CodeFieldState::kInForce) << ""
                              << "";
    QTest::newRow("incomplete") << "030EA1" << int(CodeFieldState::kNotInForce)
                                << "unvollständiger Code – es gilt 030EA00"
                                << "";
    QTest::newRow("rejected") << "000EA10" << int(CodeFieldState::kRejected)
                              << "Ungültiger Antennencode: 000EA10 (horizontal)"
                              << "Ungültiger Antennencode: 000EA10 (horizontal)";
  }

  void codeFieldTellsWhetherItsCodeIsInForce() {
    QFETCH(QString, typed);
    QFETCH(int, state);
    QFETCH(QString, toolTip);
    QFETCH(QString, message);
    Start();
    QLineEdit* edit = Dialog()->Horizontal().edit;
    const QColor normal = edit->palette().color(QPalette::Base);
    const QImage legendBefore = window_->Client()->Info()->grab().toImage();
    Type(edit, typed);
    QCOMPARE(edit->property("codeState").toInt(), state);
    QCOMPARE(edit->toolTip(), toolTip);
    QCOMPARE(edit->palette().color(QPalette::Base) != normal, !toolTip.isEmpty());
    const CodeMessage* shown = window_->Client()->Message();
    QTRY_COMPARE(shown->isVisible(), !message.isEmpty());
    if (!message.isEmpty()) {
      QCOMPARE(shown->text(), message);
      // The legend prints the rejected code in red.
      const QImage legend = window_->Client()->Info()->grab().toImage();
      int red = 0;
      for (int y = 90; y < 112; ++y) {
        for (int x = 120; x < legend.width() - 2; ++x) {
          const QColor c = legend.pixelColor(x, y);
          red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
      }
      QVERIFY(red > 10);
      QVERIFY(legend != legendBefore);
    }
  }

  void legendsAndMessageShowAboveThePicture() {
    // Each is a window of its own over the picture's window: the screen
    // shows it, not the picture, after the picture is drawn anew and after
    // the main window changes its size.
    Start();
    Type(Dialog()->Horizontal().edit, "000EA10");  // rejected: the message shows
    Dialog()->close();
    ClientArea* client = window_->Client();
    QTRY_VERIFY(client->Message()->isVisible());
    const auto onScreen = [](QWidget* widget) {
      const QPoint at = widget->mapToGlobal(QPoint(0, 0));
      return widget->screen()
          ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
    };
    for (const QSize size : {window_->size(), QSize(700, 500)}) {
      window_->resize(size);
      QTRY_COMPARE(window_->size(), size);
      QSignalSpy frames(client->View(), &PatternView::FrameDrawn);
      sceneState.azimuth += 30.0f;
      window_->RepaintAll();
      QTRY_VERIFY(frames.count() > 0);
      for (QWidget* overlay :
           std::initializer_list<QWidget*>{client->Info(), client->Colours(), client->Message()}) {
        const QImage painted = overlay->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QTRY_COMPARE(onScreen(overlay), painted);
      }
    }
  }

  void draggingTurnsTheView_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<float>("startAzimuth");
    QTest::addColumn<QPoint>("movement");
    QTest::addColumn<float>("azimuth");
    QTest::addColumn<float>("elevation");
    QTest::addColumn<float>("tilt");
    const int left = Qt::LeftButton;
    QTest::newRow("left: azimuth and elevation")
        << left << 0 << 0.0f << QPoint(40, -20) << 20.0f << 10.0f << 0.0f;
    QTest::newRow("left: wraps at 360")
        << left << 0 << 355.0f << QPoint(20, 0) << 5.0f << 0.0f << 0.0f;
    QTest::newRow("left: wraps at -180")
        << left << 0 << -178.0f << QPoint(-10, 0) << 177.0f << 0.0f << 0.0f;
    QTest::newRow("right: tilts") << int(Qt::RightButton) << 0 << 0.0f << QPoint(30, 8) << 0.0f
                                  << 0.0f << 4.0f;
    QTest::newRow("shift + left: tilts")
        << left << int(Qt::ShiftModifier) << 0.0f << QPoint(0, -6) << 0.0f << 0.0f << -3.0f;
  }

  void draggingTurnsTheView() {
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(float, startAzimuth);
    QFETCH(QPoint, movement);
    QFETCH(float, azimuth);
    QFETCH(float, elevation);
    QFETCH(float, tilt);
    Start();
    sceneState.azimuth = startAzimuth;
    QWindow* view = window_->Client()->View();
    const QPoint from(300, 300);
    const auto mouseButton = static_cast<Qt::MouseButton>(button);
    const auto keys = static_cast<Qt::KeyboardModifiers>(modifiers);
    QTest::mousePress(view, mouseButton, keys, from);
    QTest::mouseMove(view, from + movement / 2);
    QTest::mouseMove(view, from + movement);
    QTest::mouseRelease(view, mouseButton, keys, from + movement);
    QVERIFY(std::fabs(sceneState.azimuth - azimuth) < 1e-3f);
    QVERIFY(std::fabs(sceneState.elevation - elevation) < 1e-3f);
    QVERIFY(std::fabs(sceneState.tilt - tilt) < 1e-3f);
  }

  void commandLineStartsOnTheGivenCodes() {
    StartOptions options;
    options.useHcmV7 = false;
    options.dbRange = 20;
    options.horizontalCode = "130VA20";
    options.verticalCode = "020EA05";
    Start(options);
    QCOMPARE(Dialog()->Horizontal().edit->text(), QString("130VA20"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("130VA20"));
    QCOMPARE(QString(verticalPanel.Code()), QString("020EA05"));
    QVERIFY(Dialog()->Button(kHcmV6ButtonId)->isChecked());
    QVERIFY(Dialog()->Button(kLogarithmicButtonId)->isChecked());
    QCOMPARE(Dialog()->DbRangeSliderWidget()->value(), 20);
    QVERIFY(!sceneState.useHcmV7 && sceneState.logScale && sceneState.dbRange == 20.0f);
    cleanup();

    // An unreadable code starts anyway, shown as typed, and is reported.
    options = {};
    options.horizontalCode = "12X";
    StartedViewer started = StartViewer(options, "veltrisko");
    window_ = std::move(started.window);
    QCOMPARE(Dialog()->Horizontal().edit->text(), QString("12X"));
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA00"));
    QCOMPARE(started.warnings.size(), std::size_t{1});
  }

  void commandLineOfTheProgram_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // expected in stdout + stderr
    QTest::newRow("help") << QStringList{"--help"} << 0 << "[--rule v6|v7]";
    QTest::newRow("help in German")
        << QStringList{"--lang", "de", "--help"} << 0 << "[--log DBBEREICH] [--lang de|en]";
    QTest::newRow("help in English")
        << QStringList{"--lang", "en", "--help"} << 0 << "[--log DBRANGE] [--lang de|en]";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "veltrisko 0.";
    QTest::newRow("bad rule") << QStringList{"--rule", "v8"} << 2 << "--rule takes v6 or v7";
  }

  void commandLineOfTheProgram() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(VELTRISKO_VIEWER_PATH, arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY(QString::fromLocal8Bit(process.readAll()).contains(output));
  }
};

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  ViewerUxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "viewer_ux_test.moc"
