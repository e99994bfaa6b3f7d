// SPDX-License-Identifier: MIT
#include "app/qt/diagram_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/diagram_painter.h"
#include "app/qt/viewer_settings.h"
#include "diagram/diagram_files.h"
#include "diagram/diagram_texts.h"
#include "diagram/imported_cut.h"
#include "files/atomic_file.h"

namespace veltrisko {

// One cut's plot: paints the description at its size and reads the mouse.
class DiagramPlot final : public QWidget {
 public:
  DiagramPlot(DiagramWindow& window, CutKind kind, QWidget* parent)
      : QWidget(parent), window_(window), kind_(kind) {
    setMinimumSize(420, 420);
    setMouseTracking(true);
  }

  CutPlot Plot() const {
    return DescribeCutPlot(window_.Input(), kind_, width(), height(), QtTextWidth);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const CutPlot plot = Plot();
    frame_ = plot.frame;
    PaintDrawing(painter, plot.drawing);
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const QPointF at = event->position();
    if (const std::optional<double> angle = CutAngleAt(frame_, {at.x(), at.y()}))
      window_.ShowReadingAt(kind_, *angle);
  }

 private:
  DiagramWindow& window_;
  CutKind kind_;
  PlotFrame frame_;
};

namespace {

QString QText(const char* utf8) { return QString::fromUtf8(utf8); }
QString QText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  const std::string problem = WriteFileAtomically(path.toStdString(), [&](std::FILE* file) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, file) == size;
  });
  return problem.empty();
}

}  // namespace

DiagramWindow::DiagramWindow(std::function<FrameSource()> source, QWidget* parent,
                             Language language)
    : QWidget(parent, Qt::Window),
      source_(std::move(source)),
      styleChoice_(new QComboBox(this)),
      styleLabel_(new QLabel(this)),
      readout_(new QLabel(this)) {
  input_.language = language;
  input_.style =
      RememberedPolarDiagrams().value_or(true) ? DiagramStyle::kPolar : DiagramStyle::kCartesian;
  auto* plotArea = new QWidget(this);
  auto* plotsLayout = new QHBoxLayout(plotArea);
  plotsLayout->setContentsMargins(0, 0, 0, 0);
  plots_ = {new DiagramPlot(*this, CutKind::kHorizontal, plotArea),
            new DiagramPlot(*this, CutKind::kVertical, plotArea)};
  for (DiagramPlot* plot : plots_) plotsLayout->addWidget(plot);

  auto* controls = new QHBoxLayout;
  for (const Text& name : kDiagramStyleNames) styleChoice_->addItem(QText(In(language, name)));
  styleChoice_->setCurrentIndex(input_.style == DiagramStyle::kPolar ? 0 : 1);
  connect(styleChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
    SetStyle(index == 0 ? DiagramStyle::kPolar : DiagramStyle::kCartesian);
  });
  controls->addWidget(styleLabel_);
  controls->addWidget(styleChoice_);
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    auto* box = new QCheckBox(this);
    box->setChecked(true);
    const Rgb c = LookOf(curve).colour;
    box->setStyleSheet(
        QStringLiteral("QCheckBox { color: %1; }").arg(QColor(c.r, c.g, c.b).name()));
    connect(box, &QCheckBox::toggled, this, [this, curve](bool on) { SetCurveVisible(curve, on); });
    controls->addWidget(box);
    boxes_[k] = box;
  }
  boxes_[static_cast<int>(DiagramCurve::kImported)]->setVisible(false);
  controls->addStretch();

  auto* exports = new QHBoxLayout;
  for (std::size_t i = 0; i < std::size(kDiagramExports); ++i) {
    const DiagramExportLook& look = kDiagramExports[i];
    auto* button = new QPushButton(this);
    exportButtons_[i] = button;
    exports->addWidget(button);
    const QString filter = QStringLiteral("%1 (*.%2)").arg(QText(look.filterName), look.extension);
    connect(button, &QPushButton::clicked, this, [this, what = look.what, filter] {
      switch (what) {
        case DiagramExport::kPng:
          return AskAndExport(filter, [this](const QString& p) { return ExportPng(p); });
        case DiagramExport::kSvg:
          return AskAndExport(filter, [this](const QString& p) { return ExportSvg(p); });
        case DiagramExport::kCsvHorizontal:
        case DiagramExport::kCsvVertical: {
          const CutKind kind =
              what == DiagramExport::kCsvHorizontal ? CutKind::kHorizontal : CutKind::kVertical;
          return AskAndExport(filter,
                              [this, kind](const QString& p) { return ExportCsv(p, kind); });
        }
        case DiagramExport::kPdf:
          return AskAndExport(filter, [this](const QString& p) { return ExportPdf(p); });
        case DiagramExport::kPrint:
          return Print();
      }
    });
  }
  exports->addStretch();

  readout_->setObjectName(QStringLiteral("diagramReadout"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(plotArea, 1);
  layout->addWidget(readout_);
  layout->addLayout(exports);
  ShowTexts();
  Refresh();
}

void DiagramWindow::SetLanguage(Language language) {
  if (language == input_.language) return;
  input_.language = language;
  // The reading names its curves; it comes back at the next mouse move.
  readout_->clear();
  ShowTexts();
  Repaint();
}

void DiagramWindow::ShowTexts() {
  const Language language = input_.language;
  setWindowTitle(QText(In(language, texts::kDiagramWindowTitle)));
  styleLabel_->setText(QText(In(language, texts::kDiagramStyleLabel)));
  for (int i = 0; i < styleChoice_->count(); ++i)
    styleChoice_->setItemText(i, QText(In(language, kDiagramStyleNames[i])));
  for (int k = 0; k < kDiagramCurveCount; ++k)
    boxes_[k]->setText(QString::fromStdString(CurveBoxText(input_, static_cast<DiagramCurve>(k))));
  for (std::size_t i = 0; i < std::size(kDiagramExports); ++i)
    exportButtons_[i]->setText(QText(In(language, kDiagramExports[i].button)));
}

CutPlot DiagramWindow::Plot(CutKind kind) const {
  return plots_[kind == CutKind::kHorizontal ? 0 : 1]->Plot();
}

QWidget* DiagramWindow::PlotWidget(CutKind kind) const {
  return plots_[kind == CutKind::kHorizontal ? 0 : 1];
}

void DiagramWindow::Repaint() {
  for (DiagramPlot* plot : plots_) plot->update();
}

void DiagramWindow::SetStyle(DiagramStyle style) {
  input_.style = style;
  RememberPolarDiagrams(style == DiagramStyle::kPolar);
  styleChoice_->setCurrentIndex(style == DiagramStyle::kPolar ? 0 : 1);
  Repaint();
}

void DiagramWindow::SetCurveVisible(DiagramCurve curve, bool visible) {
  input_.visible[static_cast<int>(curve)] = visible;
  boxes_[static_cast<int>(curve)]->setChecked(visible);
  Repaint();
}

void DiagramWindow::SetImportedCuts(const QString& name, const std::optional<CutLosses>& horizontal,
                                    const std::optional<CutLosses>& vertical) {
  input_.importedName = name.toStdString();
  input_.importedHorizontal.reset();
  input_.importedVertical.reset();
  if (!name.isEmpty() && horizontal)
    input_.importedHorizontal = ImportedGains(CutKind::kHorizontal, *horizontal);
  if (!name.isEmpty() && vertical)
    input_.importedVertical = ImportedGains(CutKind::kVertical, *vertical);
  QCheckBox* box = boxes_[static_cast<int>(DiagramCurve::kImported)];
  box->setText(QString::fromStdString(CurveBoxText(input_, DiagramCurve::kImported)));
  box->setVisible(!name.isEmpty());
  Repaint();
}

void DiagramWindow::Refresh() {
  const FrameSource source = source_();
  DiagramInput fresh =
      ComputeDiagramInput(source.horizontalCode ? source.horizontalCode : "",
                          source.verticalCode ? source.verticalCode : "", source.scene.useHcmV7);
  input_.horizontalCode = std::move(fresh.horizontalCode);
  input_.verticalCode = std::move(fresh.verticalCode);
  input_.useHcmV7 = fresh.useHcmV7;
  input_.horizontal = std::move(fresh.horizontal);
  input_.vertical = std::move(fresh.vertical);
  Repaint();
}

QString DiagramWindow::ReadoutAtAngle(CutKind kind, double angle) const {
  return QString::fromStdString(DiagramReading(input_, kind, angle));
}

void DiagramWindow::ShowReadingAt(CutKind kind, double angle) {
  readout_->setText(ReadoutAtAngle(kind, angle));
}

bool DiagramWindow::ExportPng(const QString& path) const {
  QImage image(static_cast<int>(kDiagramPageWidth), static_cast<int>(kDiagramPageHeight),
               QImage::Format_RGB32);
  {
    QPainter painter(&image);
    PaintDrawing(painter,
                 DescribeDiagramPage(input_, kDiagramPageWidth, kDiagramPageHeight, QtTextWidth));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return false;
  return WriteBytes(path, bytes);
}

bool DiagramWindow::ExportSvg(const QString& path) const {
  return WriteTextFileAtomically(path.toStdString(), DiagramSvg(input_)).empty();
}

bool DiagramWindow::ExportPdf(const QString& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    pdf.setTitle(QString::fromStdString(InString(input_.language, texts::kDiagramPageTitle) +
                                        PlotIdentity(input_)));
    RenderPageOn(pdf);
  }
  return WriteBytes(path, bytes);
}

bool DiagramWindow::ExportCsv(const QString& path, CutKind kind) const {
  const std::string csv = DiagramCsv(input_, kind);
  if (csv.empty()) return false;
  return WriteTextFileAtomically(path.toStdString(), csv).empty();
}

void DiagramWindow::AskAndExport(const QString& filter,
                                 const std::function<bool(const QString&)>& write) {
  const QString path = QFileDialog::getSaveFileName(
      this, QText(In(input_.language, texts::kDiagramExportTitle)), {}, filter);
  if (path.isEmpty()) return;
  if (!write(path))
    readout_->setText(QText(In(input_.language, texts::kDiagramWriteFailed)) + path);
}

void DiagramWindow::RenderPageOn(QPagedPaintDevice& device) const {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  // As large as the page allows, keeping the page's proportions.
  const double scale =
      std::min(page.width() / kDiagramPageWidth, page.height() / kDiagramPageHeight);
  painter.scale(scale, scale);
  PaintDrawing(painter,
               DescribeDiagramPage(input_, kDiagramPageWidth, kDiagramPageHeight, QtTextWidth));
}

void DiagramWindow::Print() {
  // The printer writes its own output; only printing itself goes this way.
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RenderPageOn(printer);
}

}  // namespace veltrisko
