// SPDX-License-Identifier: MIT
// The viewer's pattern files: export of the pattern in force, import of a
// measured one into the 2-D diagrams and the legend, and the code fit, driven
// through the features' slots with a path instead of the file dialog. With
// VELTRISKO_SCREENSHOTS set to a folder it also photographs the screen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>

#include "analysis/direction_readout.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/process_objects.h"
#include "app/qt/analysis_features.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_window.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_file_features.h"
#include "app/qt/pattern_fit_dialog.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_start.h"
#include "dialog/config_dialog.h"
#include "interchange/pattern_file.h"
#include "model/combination.h"
#include "screenshot.h"

using namespace veltrisko;

class PatternFileViewerTest : public QObject {
  Q_OBJECT

 private:
  MainWindow* window_ = nullptr;
  QTemporaryDir dir_;

  PatternFileFeatures* Files() const { return window_->findChild<PatternFileFeatures*>(); }

  void SetCodes(const char* h, const char* v) {
    window_->Dialog()->Horizontal().edit->setText(h);
    window_->Dialog()->Vertical().edit->setText(v);
    QCOMPARE(QString(horizontalPanel.Code()), QString(h));
    QCOMPARE(QString(verticalPanel.Code()), QString(v));
  }

  // The open message box's text, closing it; empty when none is open.
  QString TakeMessage() {
    QMessageBox* box = Files()->Message();
    if (box == nullptr || !box->isVisible()) return {};
    const QString text = box->text();
    box->close();
    return text;
  }

 private slots:
  void init() {
    sceneState = SceneState();
    window_ = new MainWindow;
    window_->resize(1200, 900);
    window_->OpenConfigDialog();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    SetCodes("030EA10", "020EA05");
  }

  void cleanup() {
    delete window_;
    window_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void exportWritesThePatternInForceInTheFormatOfTheExtension() {
    QTest::mouseClick(window_->Dialog()->Button(kHcmV6ButtonId), Qt::LeftButton);
    QVERIFY(!sceneState.useHcmV7);
    for (const QString name : {"p.msi", "p.pln", "p.csv"}) {
      const QString path = dir_.filePath(name);
      QVERIFY(Files()->ExportTo(path));
      const PatternReading read = ReadPatternFile(path.toStdString());
      QVERIFY2(read.file.has_value(), read.error.c_str());
      const bool msi = !name.endsWith(".csv");
      QCOMPARE(read.file->metadata.empty(), !msi);
      if (msi) {
        QVERIFY(read.file->Metadata("COMMENT").find("horizontal 030EA10, vertical 020EA05; "
                                                    "combined by the HCM V6 rule") !=
                std::string::npos);
      }
      // Losses are written rounded up to hundredths.
      const CutPoint& at30 = (*read.file->horizontal)[30];
      QCOMPARE(at30.angle, 30.0);
      const double v6 = CombinedAttenuationV6(30.0f, 0.0f, "030EA10", "020EA05");
      QVERIFY2(at30.loss >= v6 - 1e-9 && at30.loss < v6 + 0.0100001,
               qPrintable(QString("%1 %2").arg(at30.loss).arg(v6)));
    }
    QVERIFY(TakeMessage().isEmpty());
    QVERIFY(!Files()->ExportTo(dir_.filePath("missing/p.msi")));
    // In the language in force, the cause too.
    const QString unwritten = TakeMessage();
    QVERIFY2(
        unwritten.contains(QString::fromUtf8("kann nicht geschrieben werden: Datei oder Ordner "
                                             "nicht gefunden")),
        qPrintable(unwritten));
    QVERIFY(!QFile::exists(dir_.filePath("missing/p.msi")));
  }

  void importShowsTheCutsInTheDiagramsAndTheNameInTheLegend() {
    const QString pair = dir_.filePath("pair.msi");
    QVERIFY(Files()->ExportTo(pair));
    LegendWidget* info = window_->Client()->Info();
    const int plainHeight = info->height();
    QVERIFY(Files()->ImportFrom(pair));
    QCOMPARE(Files()->Files().LoadedName(), std::string("pair.msi"));
    QCOMPARE(window_->Session().Files().LoadedName(), std::string("pair.msi"));
    DiagramWindow* diagrams = window_->Analysis()->Diagrams();
    QTRY_VERIFY(diagrams->isVisible());
    // The measured curve beside the computed ones: the whole horizontal cut
    // (180 at both ends) and, in the polar display, the whole vertical
    // circle, with its check box, its key entry and its value in the reading.
    const auto imported = [&](CutKind kind) {
      for (const Shape& shape : diagrams->Plot(kind).drawing.shapes) {
        if (const auto* line = std::get_if<Polyline>(&shape);
            line && line->curve == DiagramCurve::kImported)
          return static_cast<int>(line->points.size());
      }
      return 0;
    };
    QCOMPARE(imported(CutKind::kHorizontal), 361);
    diagrams->SetStyle(DiagramStyle::kPolar);
    QCOMPARE(imported(CutKind::kVertical), 361);
    QCheckBox* box = diagrams->CurveBox(DiagramCurve::kImported);
    QVERIFY(box->isVisible() && box->isChecked());
    QCOMPARE(box->text(), QString("Datei: pair.msi"));
    // Elevation -30 is the file's vertical angle 30.
    const double loss = (*ReadPatternFile(pair.toStdString()).file->vertical)[30].loss;
    const QString reading = diagrams->ReadoutAtAngle(CutKind::kVertical, -30.0);
    QVERIFY2(reading.endsWith(
                 QString::fromStdString(",  Datei pair.msi " + GermanNumber(-loss, 2) + " dB")),
             qPrintable(reading));
    box->click();
    QCOMPARE(imported(CutKind::kHorizontal), 0);
    box->click();
    // The legend grows by the file's line and keeps it through a resize.
    QCOMPARE(info->height(), static_cast<int>(kInfoLegendHeightWithFile * info->Scale()));
    QVERIFY(info->height() > plainHeight);
    window_->resize(1100, 800);
    QTRY_COMPARE(info->height(), static_cast<int>(kInfoLegendHeightWithFile * info->Scale()));
    diagrams->move(0, 300);
    PhotographScreen("import.png");

    // A malformed file: the reader's message with its line; the loaded file stays.
    const QString bad = dir_.filePath("bad.csv");
    std::ofstream(bad.toStdString()) << "angle,loss\n0,0\n1,x\n";
    QVERIFY(!Files()->ImportFrom(bad));
    const QString message = TakeMessage();
    QVERIFY2(message.contains(QString::fromUtf8("Zeile 3: Dämpfung „x“ ist keine Zahl")),
             qPrintable(message));
    QCOMPARE(window_->Session().Files().LoadedName(), std::string("pair.msi"));
  }

  void fitRecoversTheExportedCodesAndARowSetsThePanel() {
    Files()->FitAction()->trigger();
    QVERIFY(Files()->FitDialog() == nullptr);
    QVERIFY(TakeMessage().contains("zuerst"));

    SetCodes("030EA10", "000ND00");
    const QString pair = dir_.filePath("fit.msi");
    QVERIFY(Files()->ExportTo(pair));
    QVERIFY(Files()->ImportFrom(pair));
    // Other codes in force: equal fits rank the code nearer to them first,
    // and 030EA10 is nearer to 030EA05 than its twins 300VA10 and 300WA20.
    SetCodes("030EA05", "000ND00");
    Files()->FitAction()->trigger();
    PatternFitDialog* fit = Files()->FitDialog();
    QVERIFY(fit != nullptr && fit->isVisible());
    fit->TopBox()->setValue(3);
    QSignalSpy finished(fit, &PatternFitDialog::FitFinished);
    fit->StartFit();
    QVERIFY(fit->Running());
    QVERIFY(finished.wait(20000));
    QCOMPARE(fit->List(true)->rowCount(), 3);
    // Codes of one cut are one row, the nearest code first; its codes are
    // listed, not shown as a range that reads like one across families.
    QCOMPARE(fit->List(true)->item(0, 0)->text(), QString("030EA10, 300VA10 und 10 weitere"));
    QCOMPARE(fit->List(false)->item(0, 0)->text(), QString("000ND00, 100CA00 und 399 weitere"));
    // Every column shows, with no scroll bar to reach one.
    for (const bool horizontal : {true, false}) {
      QTableWidget* list = fit->List(horizontal);
      QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
      const int right = list->horizontalHeader()->sectionViewportPosition(3) +
                        list->horizontalHeader()->sectionSize(3);
      QVERIFY2(right <= list->viewport()->width(), qPrintable(QString::number(right)));
    }
    // Both criteria side by side, the pair's figures as the command line gives them.
    QVERIFY2(fit->Comparison()->text().contains("Hüllkurve: dämpft nie mehr als die Antenne"),
             qPrintable(fit->Comparison()->text()));
    QVERIFY2(
        fit->Comparison()->text().contains("RMS: folgt der gemessenen Form. Horizontal 030EA10"),
        qPrintable(fit->Comparison()->text()));
    QVERIFY2(fit->Pair()->text().startsWith("Bestes Paar 030EA10 000ND00, kombiniert"),
             qPrintable(fit->Pair()->text()));
    // Behind the antenna the combined pattern's vertical cut falls by the
    // horizontal code's 20 dB, which no vertical code follows: a warning.
    QVERIFY2(fit->Warnings()->text().startsWith(
                 "Achtung: 000ND00 (vertikal) weicht um bis zu 20,0 dB von der Messung ab, "),
             qPrintable(fit->Warnings()->text()));
    PhotographScreen("fit-warning.png");
    // The numbers of the command-line fit of the same file.
    QCOMPARE(fit->List(false)->item(0, 1)->text(), QString("20,00"));
    QCOMPARE(fit->List(false)->item(0, 3)->text(), QString("2,60"));

    fit->List(true)->selectRow(0);
    QCOMPARE(QString(horizontalPanel.Code()), QString("030EA10"));
    QCOMPARE(window_->Dialog()->Horizontal().edit->text(), QString("030EA10"));
    // Every non-directional code is the one row of the vertical list.
    QCOMPARE(fit->List(false)->rowCount(), 1);
    const QString second = fit->List(true)->item(1, 0)->data(Qt::UserRole).toString();
    QVERIFY(second != "030EA10");
    // A row sets the code it shows first.
    QVERIFY(fit->List(true)->item(1, 0)->text().startsWith(second));
    fit->List(true)->selectRow(1);
    QCOMPARE(QString(horizontalPanel.Code()), second);
    PhotographScreen("fit.png");

    // The other criterion gives its own lists.
    fit->CriterionChoice()->setCurrentIndex(1);
    QVERIFY(!fit->ToleranceBox()->isEnabled());
    fit->StartFit();
    QVERIFY(finished.wait(20000));
    QCOMPARE(fit->List(true)->item(0, 0)->data(Qt::UserRole).toString(), QString("030EA10"));
    // While a fit runs the button cancels it; the lists stay the last fit's.
    fit->StartFit();
    QCOMPARE(fit->StartButton()->text(), QString("A&bbrechen"));
    fit->StartFit();
    QVERIFY(finished.wait(20000));
    QCOMPARE(fit->StartButton()->text(), QString("&Anpassen"));
    QCOMPARE(fit->List(true)->item(0, 0)->data(Qt::UserRole).toString(), QString("030EA10"));
    // Closing the viewer while a fit runs waits for it (cleanup).
    fit->StartFit();
    QVERIFY(fit->Running());
  }

  void fitOfATiltedAntennaReportsAndTakesOverItsMainDirection() {
    if (PatternFitDialog* running = Files()->FitDialog()) {
      QSignalSpy finished(running, &PatternFitDialog::FitFinished);
      if (running->Running()) QVERIFY(finished.wait(20000));
    }
    QVERIFY(Files()->ImportFrom(VELTRISKO_TILTED_EXAMPLE));
    Files()->FitAction()->trigger();
    PatternFitDialog* fit = Files()->FitDialog();
    QVERIFY(!fit->AlignButton()->isEnabled());
    QSignalSpy finished(fit, &PatternFitDialog::FitFinished);
    fit->StartFit();
    QVERIFY(finished.wait(20000));
    const QString findings = fit->Findings()->text();
    QVERIFY2(findings.contains("Hauptrichtung: Azimut 0,0°, Elevation -6,0°"),
             qPrintable(findings));
    QVERIFY2(findings.contains("Toleranz: 0,05 dB"), qPrintable(findings));
    QCOMPARE(fit->List(false)->item(0, 0)->text(), QString("012EA15"));
    sceneState.azimuth = 40.0F;
    fit->AlignButton()->click();
    QCOMPARE(sceneState.azimuth, 0.0F);
    QCOMPARE(sceneState.elevation, -6.0F);
  }

  void aFileOnTheCommandLineIsImportedAtTheStart() {
    cleanup();
    StartOptions options;
    options.patternFile = VELTRISKO_TILTED_EXAMPLE;
    StartedViewer started = StartViewer(options, "veltrisko");
    window_ = started.window.release();
    QCOMPARE(window_->Session().Files().LoadedName(), std::string("example-tilted-sector.msi"));
    QTRY_VERIFY(window_->Analysis()->Diagrams()->isVisible());
    QVERIFY(started.warnings.empty());

    cleanup();
    options.patternFile = dir_.filePath("absent.pln").toStdString();
    started = StartViewer(options, "veltrisko");
    window_ = started.window.release();
    QCOMPARE(started.warnings.size(), std::size_t{1});
    QVERIFY(TakeMessage().contains("absent.pln"));
  }
};

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  PatternFileViewerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "pattern_file_viewer_test.moc"
