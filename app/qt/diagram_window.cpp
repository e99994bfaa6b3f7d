// SPDX-License-Identifier: MIT
#include "app/qt/diagram_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
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
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/logic/pattern_file_texts.h"
#include "app/logic/side_window_placement.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/diagram_painter.h"
#include "app/qt/file_dialog.h"
#include "app/qt/flow_layout.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_values.h"
#include "app/qt/viewer_settings.h"
#include "diagram/diagram_files.h"

namespace veltrisko {

// One cut's plot: paints the description at its size and reads the mouse.
class DiagramPlot final : public QWidget {
 public:
  DiagramPlot(DiagramWindow& window, CutKind kind, QWidget* parent)
      : QWidget(parent), window_(window), kind_(kind) {
    // Small enough that the window fits beside the dialog on a 1024 x 768
    // screen; it grows with the window.
    setMinimumSize(240, 170);
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
    window_.PointAt(frame_, {event->position().x(), event->position().y()});
  }

 private:
  DiagramWindow& window_;
  CutKind kind_;
  PlotFrame frame_;
};

DiagramWindow::DiagramWindow(ViewerSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      model_(session.Diagrams()),
      styleChoice_(new QComboBox(this)),
      styleLabel_(new QLabel(this)),
      readout_(new QLabel(this)) {
  auto* plotArea = new QWidget(this);
  auto* plotsLayout = new QHBoxLayout(plotArea);
  plotsLayout->setContentsMargins(0, 0, 0, 0);
  plots_ = {new DiagramPlot(*this, CutKind::kHorizontal, plotArea),
            new DiagramPlot(*this, CutKind::kVertical, plotArea)};
  for (DiagramPlot* plot : plots_) plotsLayout->addWidget(plot);

  // The controls and the buttons flow onto more rows in a narrow window.
  auto* controls = new FlowLayout;
  auto* styleRow = new QWidget(this);
  auto* styleLayout = new QHBoxLayout(styleRow);
  styleLayout->setContentsMargins(0, 0, 0, 0);
  styleLabel_->setParent(styleRow);
  styleChoice_->setParent(styleRow);
  styleLayout->addWidget(styleLabel_);
  styleLayout->addWidget(styleChoice_);
  const DiagramWindowView view = model_.View(PdfExport::kOwnButton);
  for (const std::string& style : view.styles) styleChoice_->addItem(QText(style));
  styleChoice_->setCurrentIndex(view.style);
  connect(styleChoice_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetStyle(DiagramWindowModel::StyleAt(index)); });
  controls->addWidget(styleRow);
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    auto* box = new QCheckBox(this);
    const Rgb c = LookOf(curve).colour;
    box->setStyleSheet(
        QStringLiteral("QCheckBox { color: %1; }").arg(QColor(c.r, c.g, c.b).name()));
    connect(box, &QCheckBox::toggled, this, [this, curve](bool on) { SetCurveVisible(curve, on); });
    controls->addWidget(box);
    boxes_[k] = box;
  }

  auto* exports = new FlowLayout;
  for (const DiagramWindowView::Button& shown : view.buttons) {
    auto* button = new QPushButton(this);
    exportButtons_.push_back(button);
    exports->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, what = shown.what] {
      if (what == DiagramExport::kPrint) return Print();
      AskAndExport(what);
    });
  }

  readout_->setObjectName(QStringLiteral("diagramReadout"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A long reading wraps rather than widening the window.
  readout_->setWordWrap(true);
  readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(plotArea, 1);
  layout->addWidget(readout_);
  layout->addLayout(exports);
  session_.FollowDiagrams();
  Show();
}

void DiagramWindow::Follow() {
  switch (session_.FollowDiagrams()) {
    case SideWindowChange::kAll:
      Show();
      [[fallthrough]];
    case SideWindowChange::kPlots:
      Repaint();
      break;
    case SideWindowChange::kNone:
      break;
  }
}

void DiagramWindow::Show() {
  const DiagramWindowView view = model_.View(PdfExport::kOwnButton);
  setWindowTitle(QText(view.title));
  styleLabel_->setText(QText(view.styleLabel));
  for (int i = 0; i < styleChoice_->count(); ++i)
    styleChoice_->setItemText(i, QText(view.styles[i]));
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const DiagramWindowView::CurveBox& shown = view.curves[k];
    const QSignalBlocker quiet(boxes_[k]);
    boxes_[k]->setText(QText(shown.text));
    boxes_[k]->setToolTip(QText(shown.tooltip));
    boxes_[k]->setChecked(shown.checked);
    boxes_[k]->setVisible(shown.shown);
  }
  for (std::size_t i = 0; i < view.buttons.size(); ++i)
    exportButtons_[i]->setText(QText(view.buttons[i].text));
  readout_->setText(QText(view.reading));
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
  const ViewerSession::DiagramStyleChoice choice = session_.ChooseDiagramStyle(style);
  KeepSettings(choice.keep);
  if (!choice.redraw) return;
  const QSignalBlocker quiet(styleChoice_);
  styleChoice_->setCurrentIndex(model_.StyleIndex());
  Repaint();
}

void DiagramWindow::SetCurveVisible(DiagramCurve curve, bool visible) {
  if (!model_.SetCurveVisible(curve, visible)) return;
  Show();
  Repaint();
}

void DiagramWindow::SetImportedCuts(const QString& name, const std::optional<CutLosses>& horizontal,
                                    const std::optional<CutLosses>& vertical) {
  model_.SetImportedCuts(name.toStdString(), horizontal, vertical);
  Show();
  Repaint();
}

QString DiagramWindow::ReadoutAtAngle(CutKind kind, double angle) const {
  return QText(DiagramReading(Input(), kind, angle));
}

void DiagramWindow::PointAt(const PlotFrame& frame, Point at) {
  if (model_.PointAt(frame, at)) readout_->setText(QText(model_.Reading()));
}

bool DiagramWindow::ExportTo(DiagramExport what, const QString& path) {
  bool painted = true;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (what == DiagramExport::kPng) {
    QImage image(static_cast<int>(kDiagramPageWidth), static_cast<int>(kDiagramPageHeight),
                 QImage::Format_RGB32);
    {
      QPainter painter(&image);
      PaintDrawing(painter, model_.Page(QtTextWidth));
    }
    painted = image.save(&buffer, "PNG");
  } else if (what == DiagramExport::kPdf) {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    pdf.setTitle(QText(model_.PageTitle()));
    RenderPageOn(pdf);
  }
  const std::string problem = model_.Export(what, path.toStdString(), [&](std::FILE* file) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return painted && std::fwrite(bytes.constData(), 1, size, file) == size;
  });
  if (problem.empty()) return true;
  // Reported as the main window reports a failed export.
  ShowFileProblem(this, message_, QText(ExportFailedMessage(problem, Input().language)));
  return false;
}

void DiagramWindow::AskAndExport(DiagramExport what) {
  const DiagramExportDialog ask = model_.ExportDialog(what);
  const QString path = AskSaveFileName(this, Input().language, QText(ask.title),
                                       QText(ask.suggestedName), QText(ask.filter));
  if (path.isEmpty()) return;
  ExportTo(what, QText(model_.PathWithExtension(what, path.toStdString())));
}

void DiagramWindow::RenderPageOn(QPagedPaintDevice& device) const {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const double scale = DiagramWindowModel::PageScale(page.width(), page.height());
  painter.scale(scale, scale);
  PaintDrawing(painter, model_.Page(QtTextWidth));
}

void DiagramWindow::Print() {
  // The printer writes its own output; only printing itself goes this way.
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QText(model_.PageTitle()));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RenderPageOn(printer);
}

void DiagramWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_) return;
  placed_ = true;
  PlaceBesideOwner();
  // Again once the window manager has framed the window, with its real frame.
  QTimer::singleShot(400, this, &DiagramWindow::PlaceBesideOwner);
}

void DiagramWindow::PlaceBesideOwner() {
  QWidget* owner = parentWidget();
  QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
  if (owner == nullptr || screen == nullptr) return;
  // The frame this window has, or (before the window manager framed it) the
  // dialog's, a window framed as this one is; a maximised owner has none.
  QSize frame = frameGeometry().size() - geometry().size();
  SideWindowRequest request;
  request.screen = RectOf(screen->availableGeometry());
  request.owner = RectOf(owner->frameGeometry());
  request.ownerBarsHeight = owner->mapToGlobal(QPoint(0, 0)).y() - owner->frameGeometry().y();
  if (auto* main = qobject_cast<MainWindow*>(owner)) {
    if (main->menuWidget() != nullptr) request.ownerBarsHeight += main->menuWidget()->height();
    if (ConfigDialogWidget* dialog = main->Dialog(); dialog != nullptr && dialog->isVisible()) {
      request.dialog = RectOf(dialog->frameGeometry());
      if (frame.isEmpty()) frame = dialog->frameGeometry().size() - dialog->geometry().size();
    }
  }
  if (frame.isEmpty()) frame = owner->frameGeometry().size() - owner->geometry().size();
  const QSize least = minimumSizeHint().expandedTo(minimumSize()) + frame;
  request.width = width() + frame.width();
  request.height = height() + frame.height();
  request.minWidth = least.width();
  request.minHeight = least.height();
  const QRect place = QtRect(PlaceSideWindow(request));
  resize(place.size() - frame);
  move(place.topLeft());
}

}  // namespace veltrisko
