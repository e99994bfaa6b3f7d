// SPDX-License-Identifier: MIT
// The viewer's pattern files: export of the pattern in force, import of a
// measured one into the 2-D diagrams and the legend, and the code fit, driven
// through the features' slots with a path instead of the file dialog.
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>

#include "app/analysis_features.h"
#include "app/config_dialog_widget.h"
#include "app/diagram_window.h"
#include "app/legend_widgets.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/process_objects.h"
#include "app/main_window.h"
#include "app/pattern_file_features.h"
#include "app/pattern_fit_dialog.h"
#include "app/surface_format.h"
#include "dialog/config_dialog.h"
#include "interchange/pattern_file.h"
#include "model/combination.h"

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
    QVERIFY(TakeMessage().contains("cannot write"));
    QVERIFY(!QFile::exists(dir_.filePath("missing/p.msi")));
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
