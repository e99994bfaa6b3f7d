// SPDX-License-Identifier: MIT
// The viewer's readout, 2-D diagrams and difference view, driven like a user
// does. With VELTRISKO_SCREENSHOTS set to a folder it also photographs the
// screen at each stage (import -window root), for the README.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstring>

#include "analysis/direction_readout.h"
#include "analysis/rule_difference.h"
#include "analysis/surface_pick.h"
#include "app/logic/process_objects.h"
#include "app/qt/analysis_features.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_painter.h"
#include "app/qt/diagram_window.h"
#include "app/qt/direction_readout.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "dialog/config_dialog.h"
#include "model/combination.h"
#include "model/component_attenuation.h"
#include "screenshot.h"

using namespace veltrisko;

class AnalysisViewerTest : public QObject {
  Q_OBJECT

 private:
  MainWindow* window_ = nullptr;

  PatternView* View() const { return window_->Client()->View(); }
  AnalysisFeatures* Analysis() const { return window_->Analysis(); }

  void SetCodes(const char* h, const char* v) {
    for (auto [edit, code] : {std::pair{window_->Dialog()->Horizontal().edit, h},
                              std::pair{window_->Dialog()->Vertical().edit, v}}) {
      edit->setFocus();
      edit->selectAll();
      QTest::keyClicks(edit, code);
    }
    QCOMPARE(QString(horizontalPanel.Code()), QString(h));
  }

  // The view position (logical pixels) where a world direction's surface
  // point is drawn.
  QPoint CursorFor(WorldDirection world) const {
    const FrameSource source = View()->Source();
    const qreal ratio = View()->devicePixelRatio();
    const ClientRect client{0, 0, static_cast<int>(std::lround(View()->width() * ratio)),
                            static_cast<int>(std::lround(View()->height() * ratio))};
    const auto point =
        SurfacePointOf(source.scene, source.horizontalCode, source.verticalCode, world);
    const auto projected = ProjectToClient(source.scene, client, *point);
    return QPoint(static_cast<int>(std::lround(projected->screen.x / ratio)),
                  static_cast<int>(std::lround(projected->screen.y / ratio)));
  }

 private slots:
  void init() {
    sceneState = SceneState();
    window_ = new MainWindow;
    window_->resize(1200, 900);
    window_->OpenConfigDialog();
    window_->show();
    window_->Dialog()->move(window_->width() + 20, 0);
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    SetCodes("030EA10", "020EA05");
    sceneState.resolutionStep = 2;
    sceneState.azimuth = 10.0f;
    sceneState.elevation = -20.0f;
    // Logarithmic display keeps the surface large, so a pixel spans little angle.
    QTest::mouseClick(window_->Dialog()->Button(kLogarithmicButtonId), Qt::LeftButton);
    QVERIFY(sceneState.logScale);
    window_->RepaintAll();
    QTest::qWait(50);
  }

  void cleanup() {
    delete window_;
    window_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void hoverShowsTheNumbersEvalGivesForThatDirection() {
    // Relative directions on the side facing the viewer, under both rules.
    for (const bool v7 : {true, false}) {
      QTest::mouseClick(window_->Dialog()->Button(v7 ? kHcmV7ButtonId : kHcmV6ButtonId),
                        Qt::LeftButton);
      QCOMPARE(sceneState.useHcmV7, v7);
      for (const auto& relative : {std::pair{30.0f, 30.0f}, std::pair{60.0f, 10.0f}}) {
        const float relAz = relative.first, relEl = relative.second;
        const WorldDirection world{relAz + sceneState.azimuth, relEl + sceneState.elevation};
        QTest::mouseMove(View(), CursorFor(world));
        const auto near = [&] {
          const std::optional<DirectionReadout>& r = Analysis()->Readout()->Shown();
          return r && std::fabs(r->relative.azimuth - relAz) < 0.6f &&
                 std::fabs(r->relative.elevation - relEl) < 0.6f;
        };
        QTRY_VERIFY2(near(), qPrintable(QString("%1/%2 %3: %4")
                                            .arg(relAz)
                                            .arg(relEl)
                                            .arg(v7)
                                            .arg(Analysis()->Readout()->CurrentText())));
        QVERIFY(Analysis()->Readout()->Box()->isVisible());
        // The numbers shown are the model's at the relative angles shown, as
        // `eval` reads them.
        const QString text = Analysis()->Readout()->Box()->text();
        const QRegularExpressionMatch angles =
            QRegularExpression("φ (-?\\d+,\\d) °   θ (-?\\d+,\\d) °").match(text);
        QVERIFY2(angles.hasMatch(), qPrintable(text));
        const float az = angles.captured(1).replace(',', '.').toFloat();
        const float el = angles.captured(2).replace(',', '.').toFloat();
        const double v6 = CombinedAttenuationV6(az, el, "030EA10", "020EA05");
        const double v7Db = CombinedAttenuationV7(az, el, "030EA10", "020EA05");
        const double gain = 20.0 * std::log10(ComponentAttenuation("030EA10", az, true));
        QVERIFY2(text.contains(QString::fromStdString("Dämpfung V6: " + GermanNumber(v6, 2))),
                 qPrintable(text));
        QVERIFY2(text.contains(QString::fromStdString("Dämpfung V7: " + GermanNumber(v7Db, 2))),
                 qPrintable(text));
        if (v7) {
          QVERIFY2(
              text.contains(QString::fromStdString("Gewinn horizontal: " + GermanNumber(gain, 2))),
              qPrintable(text));
        }
        QVERIFY(Analysis()->StatusLine()->text().contains(
            "V6 " + QString::fromStdString(GermanNumber(v6, 2))));
      }
    }
    PhotographScreen("readout.png");
    // Off the pattern: no readout.
    QTest::mouseMove(View(), QPoint(5, View()->height() - 5));
    QTRY_VERIFY(!Analysis()->Readout()->Box()->isVisible());
    QVERIFY(Analysis()->StatusLine()->text().isEmpty());
  }

  void clickPinsFollowsChangesAndEscapeUnpins() {
    const WorldDirection world{40.0f, 10.0f};
    const QPoint at = CursorFor(world);
    QTest::mouseMove(View(), at);
    QTest::mouseClick(View(), Qt::LeftButton, {}, at);
    QVERIFY(Analysis()->Readout()->Pinned().has_value());
    QVERIFY(window_->Session().Analysis().pinned.has_value());
    // A code change: the pinned readout shows the new pattern's numbers.
    SetCodes("045EB10", "020EA05");
    window_->RepaintAll();
    const RelativeDirection rel =
        RelativeDirectionOf(sceneState, *window_->Session().Analysis().pinned);
    const double v7 = CombinedAttenuationV7(rel.azimuth, rel.elevation, "045EB10", "020EA05");
    QVERIFY(Analysis()->Readout()->CurrentText().contains(
        QString::fromStdString("Dämpfung V7: " + GermanNumber(v7, 2))));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QTest::keyClick(window_, Qt::Key_C, Qt::ControlModifier);
    // The readout's lines and the codes and rule they belong to.
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(CopiedReadoutText(
                 Analysis()->Readout()->CurrentText().toStdString(), horizontalPanel.Code(),
                 verticalPanel.Code(), sceneState.useHcmV7)));
    QVERIFY(QApplication::clipboard()->text().endsWith(
        QString("Codes: %1 / %2, HCM V7\n").arg(horizontalPanel.Code(), verticalPanel.Code())));
    QTest::keyClick(window_, Qt::Key_Escape);
    QVERIFY(!Analysis()->Readout()->Pinned().has_value());
    QVERIFY(!window_->Session().Analysis().pinned.has_value());
  }

  void rightClickOffersCopyButRightDragTilts() {
    const QPoint at = CursorFor(WorldDirection{40.0f, 10.0f});
    QTest::mouseMove(View(), at);
    // The menu is modal: look at it once it is up, then close it.
    QString entries;
    QTimer::singleShot(200, [&entries] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) entries += action->text() + ";";
        menu->close();
      }
    });
    QTest::mouseClick(View(), Qt::RightButton, {}, at);
    QTRY_COMPARE(entries, QStringLiteral("Werte kopieren;"));

    const Matrix3 before = sceneState.modelRotation;
    QTest::mousePress(View(), Qt::RightButton, {}, at);
    QTest::mouseMove(View(), at + QPoint(0, 40));
    QTest::mouseRelease(View(), Qt::RightButton, {}, at + QPoint(0, 40));
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QVERIFY(std::memcmp(&before, &sceneState.modelRotation, sizeof before) != 0);
  }

  void diagramWindowShowsAllCurvesInBothStylesAndExports() {
    Analysis()->DiagramsAction()->trigger();
    DiagramWindow* diagrams = Analysis()->Diagrams();
    QVERIFY(QTest::qWaitForWindowExposed(diagrams));
    diagrams->move(0, 0);
    diagrams->SetStyle(DiagramStyle::kPolar);  // whatever an earlier run left remembered
    const auto pointsOf = [&](CutKind kind, DiagramCurve curve) {
      for (const Shape& shape : diagrams->Plot(kind).drawing.shapes) {
        if (const auto* line = std::get_if<Polyline>(&shape); line && line->curve == curve)
          return static_cast<int>(line->points.size());
      }
      return 0;
    };
    // The polar vertical plot is the whole vertical circle, front and back.
    for (int k = 0; k < static_cast<int>(DiagramCurve::kImported); ++k) {
      QCOMPARE(pointsOf(CutKind::kHorizontal, DiagramCurve(k)), 361);
      QCOMPARE(pointsOf(CutKind::kVertical, DiagramCurve(k)), 361);
    }
    PhotographScreen("diagrams-polar.png");
    diagrams->SetStyle(DiagramStyle::kCartesian);
    QCOMPARE(pointsOf(CutKind::kHorizontal, DiagramCurve::kV7), 361);
    // Following the dialog: the V6 curve of the vertical cut after a change.
    QTest::mouseClick(window_->Dialog()->Button(kHcmV6ButtonId), Qt::LeftButton);
    SetCodes("060LA05", "020EB00");
    window_->RepaintAll();
    const QString readout = diagrams->ReadoutAtAngle(CutKind::kHorizontal, 60.0);
    const double v6 = CombinedAttenuationV6(60.0f, 0.0f, "060LA05", "020EB00");
    QVERIFY2(readout.contains(QString::fromStdString("V6 " + GermanNumber(-v6, 2))),
             qPrintable(readout));
    PhotographScreen("diagrams-cartesian.png");

    // The mouse over a plot reads the curves at its angle.
    const CutPlot plot = diagrams->Plot(CutKind::kHorizontal);
    const QPoint middle(static_cast<int>((plot.frame.left + plot.frame.right) / 2),
                        static_cast<int>(plot.frame.bottom) - 5);
    QTest::mouseMove(diagrams->PlotWidget(CutKind::kHorizontal), middle);
    QTRY_VERIFY2(diagrams->ReadingLine()->text().startsWith("Azimut 0,0°:"),
                 qPrintable(diagrams->ReadingLine()->text()));

    QTemporaryDir dir;
    const auto startOf = [](const QString& path, int n) {
      QFile file(path);
      return file.open(QIODevice::ReadOnly) ? file.read(n) : QByteArray();
    };
    QVERIFY(diagrams->ExportTo(DiagramExport::kPng, dir.filePath("d.png")));
    QCOMPARE(startOf(dir.filePath("d.png"), 4), QByteArray("\x89PNG"));
    QVERIFY(diagrams->ExportTo(DiagramExport::kSvg, dir.filePath("d.svg")));
    QVERIFY(startOf(dir.filePath("d.svg"), 400).contains("hor. 060LA05   vert. 020EB00   HCM V6"));
    QVERIFY(diagrams->ExportTo(DiagramExport::kPdf, dir.filePath("d.pdf")));
    QCOMPARE(startOf(dir.filePath("d.pdf"), 4), QByteArray("%PDF"));
    QVERIFY(diagrams->ExportTo(DiagramExport::kCsvHorizontal, dir.filePath("h.csv")));
    const QList<QByteArray> rows = startOf(dir.filePath("h.csv"), 1 << 20).split('\n');
    QCOMPARE(rows.size(), 1 + 1 + 361 + 1);
    QVERIFY(rows[0].contains("horizontal 060LA05, vertical 020EB00; rule HCM V6"));
    QVERIFY(rows[1].startsWith("azimuth,elevation,horizontal_gain_db"));
    QVERIFY(!diagrams->ExportTo(DiagramExport::kCsvHorizontal, dir.filePath("missing/h.csv")));
    // Said in a message box with its reason, as the main window's export does.
    QVERIFY(diagrams->Message() != nullptr && diagrams->Message()->isVisible());
    QVERIFY2(diagrams->Message()->text().contains(dir.filePath("missing/h.csv")),
             qPrintable(diagrams->Message()->text()));
    diagrams->Message()->close();
  }

  // Run at 1024 x 768 under openbox as diagram_window_small_screen: with a
  // long file name loaded, the 2-D window opens wholly on the screen, clear of
  // the dialog, every control inside it.
  void diagramWindowFitsTheScreenBesideTheDialog() {
    const QRect screen = window_->screen()->availableGeometry();
    window_->showMaximized();
    ConfigDialogWidget* dialog = window_->Dialog();
    QTest::qWait(300);
    dialog->move(screen.right() + 1 - dialog->frameGeometry().width(), screen.top());
    QTest::qWait(300);
    const QString name = "Messung Sektorantenne Nord 2024-05-17 Süd-Ost Elevation.msi";
    CutLosses losses{};
    Analysis()->Diagrams()->SetImportedCuts(name, losses, losses);
    Analysis()->DiagramsAction()->trigger();
    DiagramWindow* diagrams = Analysis()->Diagrams();
    QVERIFY(QTest::qWaitForWindowExposed(diagrams));
    QTest::qWait(500);
    const auto text = [](const QRect& r) {
      return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const QRect frame = diagrams->frameGeometry();
    const QString where = text(frame) + " dialog " + text(dialog->frameGeometry()) + " screen " +
                          text(screen) + " main " + text(window_->frameGeometry()) + " least " +
                          QString::number(diagrams->minimumSizeHint().height());
    QVERIFY2(screen.contains(frame), qPrintable(where));
    QVERIFY2(!frame.intersects(dialog->frameGeometry()), qPrintable(where));
    QVERIFY(diagrams->minimumSizeHint().width() <= 1024);
    const QRect inside(diagrams->mapToGlobal(QPoint(0, 0)), diagrams->size());
    for (QWidget* control : diagrams->findChildren<QWidget*>()) {
      if (!control->isVisible() || control->parentWidget() == nullptr) continue;
      const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
      QVERIFY2(inside.contains(at), qPrintable(control->metaObject()->className()));
    }
    QCheckBox* box = diagrams->CurveBox(DiagramCurve::kImported);
    QCOMPARE(box->toolTip(), "Datei: " + name);
    QVERIFY(box->text().size() < box->toolTip().size());
    PhotographScreen("diagrams-1024.png");
  }

  void everyPlotTextIsWholeInTheViewersFont() {
    Analysis()->DiagramsAction()->trigger();
    DiagramWindow* diagrams = Analysis()->Diagrams();
    QVERIFY(QTest::qWaitForWindowExposed(diagrams));
    CutLosses losses{};
    diagrams->SetImportedCuts("Messung Sektorantenne Nord 2024-05-17.msi", losses, losses);
    // The narrowest the window gets, and a wide one.
    for (const QSize size : {QSize(100, 560), QSize(1600, 700)}) {
      for (const DiagramStyle style : {DiagramStyle::kPolar, DiagramStyle::kCartesian}) {
        diagrams->resize(size);
        diagrams->SetStyle(style);
        QTest::qWait(100);
        for (const CutKind kind : {CutKind::kHorizontal, CutKind::kVertical}) {
          const CutPlot plot = diagrams->Plot(kind);
          int keys = 0;
          for (const Shape& shape : plot.drawing.shapes) {
            const auto* label = std::get_if<Label>(&shape);
            if (label == nullptr) continue;
            keys += label->role == LabelRole::kKey;
            const double width = QtTextWidth(label->text, label->size, label->bold);
            const double left = label->at.x - (label->anchor == Anchor::kStart    ? 0.0
                                               : label->anchor == Anchor::kMiddle ? width / 2
                                                                                  : width);
            QVERIFY2(left >= 0 && left + width <= plot.drawing.width,
                     qPrintable(QString::fromStdString(label->text)));
          }
          QCOMPARE(keys, kDiagramCurveCount);
        }
      }
    }
  }

  void differenceViewAgreesWithCompareAndLeavesWhenUnchecked() {
    sceneState.azimuth = 0.0f;
    sceneState.elevation = 0.0f;
    Analysis()->DifferenceAction()->trigger();
    QVERIFY(window_->Session().Analysis().differenceView);
    QTRY_VERIFY(View()->Findings().has_value());
    const auto survey =
        SurveyRuleDifference(ParsedAntennaCode("030EA10"), ParsedAntennaCode("020EA05"), 2.0f);
    QCOMPARE(View()->Findings()->largestDb, survey->gridLargest.differenceDb);
    PhotographScreen("difference.png");
    Analysis()->DifferenceAction()->trigger();
    QTRY_VERIFY(!View()->Findings().has_value());
  }
};

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  AnalysisViewerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "analysis_viewer_test.moc"
