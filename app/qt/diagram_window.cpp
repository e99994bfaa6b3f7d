// SPDX-License-Identifier: MIT
#include "app/qt/diagram_window.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolarChart>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/direction_readout.h"
#include "files/atomic_file.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

constexpr double kFloorDb = -40.0;

struct CurveLook {
  const char* name;
  const char* shortName;  // in the plot's key
  QColor colour;
  Qt::PenStyle style;
};

const CurveLook& LookOf(DiagramCurve curve) {
  static const CurveLook looks[kDiagramCurveCount] = {
      {"Gewinn horizontale Komponente", "hor. Komp.", QColor(220, 0, 0), Qt::SolidLine},
      {"Gewinn vertikale Komponente", "vert. Komp.", QColor(0, 150, 0), Qt::SolidLine},
      {"Kombination HCM V6", "V6", QColor(20, 80, 230), Qt::SolidLine},
      {"Kombination HCM V7", "V7", QColor(235, 130, 0), Qt::SolidLine},
      {"Unterschied |V6 − V7|", "|V6 − V7|", QColor(150, 0, 190), Qt::DashLine},
  };
  return looks[static_cast<int>(curve)];
}

// The polar angle of a cut's angle: the horizontal cut has its main direction
// at the top, turning clockwise; the vertical cut has the horizon on the right
// and the zenith at the top.
double PolarAngleOf(CutKind kind, double angle) {
  if (kind == CutKind::kVertical) return 90.0 - angle;
  return angle < 0.0 ? angle + 360.0 : angle;
}

double CutAngleOfPolar(CutKind kind, double polar) {
  if (kind == CutKind::kVertical) return 90.0 - polar;
  return polar > 180.0 ? polar - 360.0 : polar;
}

const std::vector<float>* ValuesOf(const CutCurves& c, DiagramCurve curve) {
  switch (curve) {
    case DiagramCurve::kHorizontalGain:
      return &c.horizontalGainDb;
    case DiagramCurve::kVerticalGain:
      return &c.verticalGainDb;
    case DiagramCurve::kV6:
      return &c.v6Db;
    case DiagramCurve::kV7:
      return &c.v7Db;
    default:
      return &c.differenceDb;
  }
}

// The plotted value: gains as they are, combined attenuations as gains.
double PlottedGain(DiagramCurve curve, float value) {
  if (curve == DiagramCurve::kHorizontalGain || curve == DiagramCurve::kVerticalGain) return value;
  return -static_cast<double>(value);
}

QString Deg(double value) { return QString::fromStdString(GermanNumber(value, 1)) + "°"; }
QString Db(double value) { return QString::fromStdString(GermanNumber(value, 2)) + " dB"; }

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  const std::string problem = WriteFileAtomically(path.toStdString(), [&](std::FILE* file) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, file) == size;
  });
  return problem.empty();
}

}  // namespace

DiagramWindow::DiagramWindow(std::function<FrameSource()> source, QWidget* parent)
    : QWidget(parent, Qt::Window),
      source_(std::move(source)),
      plotArea_(new QWidget(this)),
      styleChoice_(new QComboBox(this)),
      readout_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Veltrisko – 2D-Diagramme"));
  plots_[0].kind = CutKind::kHorizontal;
  plots_[1].kind = CutKind::kVertical;
  auto* plotsLayout = new QHBoxLayout(plotArea_);
  plotsLayout->setContentsMargins(0, 0, 0, 0);
  for (Plot& plot : plots_) {
    plot.view = new QChartView(plotArea_);
    plot.view->setRenderHint(QPainter::Antialiasing);
    plot.view->setMinimumSize(420, 420);
    plot.view->setMouseTracking(true);
    plot.view->viewport()->setMouseTracking(true);
    plot.view->viewport()->installEventFilter(this);
    plotsLayout->addWidget(plot.view);
  }

  auto* controls = new QHBoxLayout;
  styleChoice_->addItem(QStringLiteral("Polar"));
  styleChoice_->addItem(QStringLiteral("Kartesisch"));
  connect(styleChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
    SetStyle(index == 0 ? DiagramStyle::kPolar : DiagramStyle::kCartesian);
  });
  controls->addWidget(new QLabel(QStringLiteral("Darstellung:"), this));
  controls->addWidget(styleChoice_);
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    auto* box = new QCheckBox(QString::fromUtf8(LookOf(curve).name), this);
    box->setChecked(true);
    box->setStyleSheet(QStringLiteral("QCheckBox { color: %1; }").arg(LookOf(curve).colour.name()));
    connect(box, &QCheckBox::toggled, this, [this, curve](bool on) { SetCurveVisible(curve, on); });
    controls->addWidget(box);
  }
  controls->addStretch();

  auto* exports = new QHBoxLayout;
  const auto button = [&](const QString& text, auto action) {
    auto* b = new QPushButton(text, this);
    connect(b, &QPushButton::clicked, this, action);
    exports->addWidget(b);
  };
  button(QStringLiteral("PNG…"), [this] {
    AskAndExport(QStringLiteral("PNG (*.png)"), [this](const QString& p) { return ExportPng(p); });
  });
  button(QStringLiteral("SVG…"), [this] {
    AskAndExport(QStringLiteral("SVG (*.svg)"), [this](const QString& p) { return ExportSvg(p); });
  });
  button(QStringLiteral("CSV horizontal…"), [this] {
    AskAndExport(QStringLiteral("CSV (*.csv)"),
                 [this](const QString& p) { return ExportCsv(p, CutKind::kHorizontal); });
  });
  button(QStringLiteral("CSV vertikal…"), [this] {
    AskAndExport(QStringLiteral("CSV (*.csv)"),
                 [this](const QString& p) { return ExportCsv(p, CutKind::kVertical); });
  });
  button(QStringLiteral("PDF…"), [this] {
    AskAndExport(QStringLiteral("PDF (*.pdf)"), [this](const QString& p) { return ExportPdf(p); });
  });
  button(QStringLiteral("Drucken…"), [this] { Print(); });
  exports->addStretch();

  readout_->setObjectName(QStringLiteral("diagramReadout"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(plotArea_, 1);
  layout->addWidget(readout_);
  layout->addLayout(exports);
  for (Plot& plot : plots_) BuildChart(plot);
  Refresh();
}

const std::optional<CutCurves>& DiagramWindow::Curves(CutKind kind) const {
  return plots_[kind == CutKind::kHorizontal ? 0 : 1].curves;
}

QLineSeries* DiagramWindow::Series(CutKind kind, DiagramCurve curve) const {
  return plots_[kind == CutKind::kHorizontal ? 0 : 1].series[static_cast<int>(curve)];
}

QChart* DiagramWindow::Chart(CutKind kind) const {
  return plots_[kind == CutKind::kHorizontal ? 0 : 1].view->chart();
}

void DiagramWindow::SetStyle(DiagramStyle style) {
  if (style == style_) return;
  style_ = style;
  styleChoice_->setCurrentIndex(style == DiagramStyle::kPolar ? 0 : 1);
  for (Plot& plot : plots_) {
    BuildChart(plot);
    FillSeries(plot);
  }
}

void DiagramWindow::SetCurveVisible(DiagramCurve curve, bool visible) {
  visible_[static_cast<int>(curve)] = visible;
  for (Plot& plot : plots_) plot.series[static_cast<int>(curve)]->setVisible(visible);
}

void DiagramWindow::SetMeasuredCuts(const QString& name, const QList<QPointF>& horizontal,
                                    const QList<QPointF>& vertical) {
  measuredName_ = name;
  measured_[0] = horizontal;
  measured_[1] = vertical;
  for (Plot& plot : plots_) {
    BuildChart(plot);
    FillSeries(plot);
  }
}

void DiagramWindow::BuildChart(Plot& plot) {
  const bool polar = style_ == DiagramStyle::kPolar;
  QChart* chart = polar ? new QPolarChart : new QChart;
  chart->setTitle(QString::fromUtf8(CutDefinition(plot.kind)));
  chart->legend()->setAlignment(Qt::AlignBottom);

  auto* gain = new QValueAxis;
  gain->setRange(kFloorDb, 0.0);
  gain->setTickCount(5);
  gain->setLabelFormat(QStringLiteral("%d dB"));
  QAbstractAxis* angleAxis;
  if (polar) {
    auto* angles = new QCategoryAxis;
    angles->setRange(0.0, 360.0);
    angles->setStartValue(0.0);
    angles->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int p = 30; p <= 360; p += 30) {
      double a = CutAngleOfPolar(plot.kind, p % 360);
      if (a <= -180.0) a += 360.0;
      angles->append(QString::number(static_cast<int>(std::lround(a))) + "°", p);
    }
    angleAxis = angles;
    static_cast<QPolarChart*>(chart)->addAxis(angles, QPolarChart::PolarOrientationAngular);
    static_cast<QPolarChart*>(chart)->addAxis(gain, QPolarChart::PolarOrientationRadial);
  } else {
    auto* angles = new QValueAxis;
    const double limit = plot.kind == CutKind::kHorizontal ? 180.0 : 90.0;
    angles->setRange(-limit, limit);
    angles->setTickCount(plot.kind == CutKind::kHorizontal ? 13 : 7);
    angles->setLabelFormat(QStringLiteral("%d"));
    QFont small = angles->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    angles->setLabelsFont(small);
    angles->setTitleText(plot.kind == CutKind::kHorizontal
                             ? QStringLiteral("Azimut relativ (°)")
                             : QStringLiteral("Elevation relativ (°)"));
    gain->setTitleText(QStringLiteral("Gewinn"));
    angleAxis = angles;
    chart->addAxis(angles, Qt::AlignBottom);
    chart->addAxis(gain, Qt::AlignLeft);
  }
  QValueAxis* differenceAxis = nullptr;
  if (!polar) {
    differenceAxis = new QValueAxis;
    differenceAxis->setRange(0.0, 40.0);
    differenceAxis->setTickCount(5);
    differenceAxis->setLabelFormat(QStringLiteral("%d dB"));
    differenceAxis->setTitleText(QStringLiteral("Unterschied"));
    differenceAxis->setLinePenColor(LookOf(DiagramCurve::kDifference).colour);
    chart->addAxis(differenceAxis, Qt::AlignRight);
  }
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    auto* series = new QLineSeries;
    QString name = QString::fromUtf8(LookOf(curve).shortName);
    // On the polar plot the difference is drawn from the centre outwards:
    // the centre is 0 dB and every ring adds 10 dB.
    if (polar && curve == DiagramCurve::kDifference)
      name += QStringLiteral(" (Mitte 0, je Ring +10 dB)");
    series->setName(name);
    QPen pen(LookOf(curve).colour, 2.0, LookOf(curve).style);
    series->setPen(pen);
    chart->addSeries(series);
    series->attachAxis(angleAxis);
    series->attachAxis(curve == DiagramCurve::kDifference && differenceAxis ? differenceAxis
                                                                            : gain);
    series->setVisible(visible_[k]);
    plot.series[k] = series;
  }
  plot.measured = nullptr;
  if (!measuredName_.isEmpty()) {
    auto* series = new QLineSeries;
    series->setName(measuredName_);
    series->setPen(QPen(QColor(70, 70, 70), 2.0, Qt::DotLine));
    chart->addSeries(series);
    series->attachAxis(angleAxis);
    series->attachAxis(gain);
    plot.measured = series;
  }
  QChart* old = plot.view->chart();
  plot.view->setChart(chart);
  delete old;
}

void DiagramWindow::FillSeries(Plot& plot) {
  const bool polar = style_ == DiagramStyle::kPolar;
  const auto place = [&](double angle) { return polar ? PolarAngleOf(plot.kind, angle) : angle; };
  double largestDifference = 0.0;
  for (int k = 0; k < kDiagramCurveCount; ++k) {
    const auto curve = static_cast<DiagramCurve>(k);
    QList<QPointF> points;
    if (plot.curves) {
      const std::vector<float>& values = *ValuesOf(*plot.curves, curve);
      points.reserve(static_cast<qsizetype>(values.size()) + 1);
      for (std::size_t i = 0; i < values.size(); ++i) {
        double y = PlottedGain(curve, values[i]);
        if (curve == DiagramCurve::kDifference) {
          largestDifference = std::max(largestDifference, y);
          if (polar) y = std::min(y + kFloorDb, 0.0);
        }
        points.append(QPointF(place(plot.curves->angles[i]), y));
      }
      // Round the polar horizontal cut from 0 over +-180 back to 360.
      if (polar && plot.kind == CutKind::kHorizontal) {
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        if (!points.isEmpty()) points.append(QPointF(360.0, points.front().y()));
      }
    }
    plot.series[k]->replace(points);
  }
  if (!polar) {
    // The difference axis ends at the next multiple of 4 dB above the largest
    // difference, so its five ticks fall on whole decibels.
    const auto axes = plot.series[static_cast<int>(DiagramCurve::kDifference)]->attachedAxes();
    for (QAbstractAxis* axis : axes) {
      if (axis->alignment() == Qt::AlignRight)
        axis->setRange(0.0, std::max(4.0, std::ceil(largestDifference / 4.0) * 4.0));
    }
  }
  if (plot.measured) {
    QList<QPointF> points;
    for (const QPointF& p : measured_[plot.kind == CutKind::kHorizontal ? 0 : 1])
      points.append(QPointF(place(p.x()), std::clamp(p.y(), kFloorDb, 0.0)));
    if (polar && plot.kind == CutKind::kHorizontal)
      std::stable_sort(points.begin(), points.end(),
                       [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    plot.measured->replace(points);
  }
}

void DiagramWindow::Refresh() {
  const FrameSource source = source_();
  const ParsedAntennaCode horizontal(source.horizontalCode ? source.horizontalCode : "");
  const ParsedAntennaCode vertical(source.verticalCode ? source.verticalCode : "");
  for (Plot& plot : plots_) {
    plot.curves = ComputeCut(plot.kind, horizontal, vertical, source.scene.useHcmV7);
    FillSeries(plot);
  }
}

QString DiagramWindow::ReadoutAtAngle(CutKind kind, double angle) const {
  const std::optional<CutCurves>& curves = Curves(kind);
  if (!curves || curves->angles.empty()) return {};
  const auto& a = curves->angles;
  const auto nearest = std::min_element(a.begin(), a.end(), [&](float x, float y) {
    return std::fabs(x - angle) < std::fabs(y - angle);
  });
  const auto i = static_cast<std::size_t>(nearest - a.begin());
  const QString which =
      kind == CutKind::kHorizontal ? QStringLiteral("Azimut") : QStringLiteral("Elevation");
  return which + " " + Deg(a[i]) + ":  hor. " + Db(curves->horizontalGainDb[i]) + ",  vert. " +
         Db(curves->verticalGainDb[i]) + ",  V6 " + Db(-curves->v6Db[i]) + ",  V7 " +
         Db(-curves->v7Db[i]) + ",  Unterschied " + Db(curves->differenceDb[i]);
}

bool DiagramWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    for (Plot& plot : plots_) {
      if (watched != plot.view->viewport()) continue;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      QChart* chart = plot.view->chart();
      const QPointF inChart =
          chart->mapFromScene(plot.view->mapToScene(mouse->position().toPoint()));
      const QPointF value = chart->mapToValue(inChart, plot.series[0]);
      const double angle =
          style_ == DiagramStyle::kPolar ? CutAngleOfPolar(plot.kind, value.x()) : value.x();
      readout_->setText(ReadoutAtAngle(plot.kind, angle));
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool DiagramWindow::ExportPng(const QString& path) const {
  const QPixmap image = plotArea_->grab();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return false;
  return WriteBytes(path, bytes);
}

bool DiagramWindow::ExportSvg(const QString& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(plotArea_->size());
  svg.setViewBox(QRect(QPoint(0, 0), plotArea_->size()));
  svg.setTitle(QStringLiteral("Veltrisko 2D-Diagramme"));
  {
    QPainter painter(&svg);
    plotArea_->render(&painter);
  }
  return WriteBytes(path, bytes);
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
    RenderPlotsOnPage(pdf);
  }
  return WriteBytes(path, bytes);
}

bool DiagramWindow::ExportCsv(const QString& path, CutKind kind) const {
  const std::optional<CutCurves>& curves = Curves(kind);
  if (!curves) return false;
  return WriteTextFileAtomically(path.toStdString(), CutCsv(*curves)).empty();
}

void DiagramWindow::AskAndExport(const QString& filter,
                                 const std::function<bool(const QString&)>& write) {
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Exportieren"), {}, filter);
  if (path.isEmpty()) return;
  if (!write(path))
    readout_->setText(QStringLiteral("Die Datei konnte nicht geschrieben werden: ") + path);
}

void DiagramWindow::RenderPlotsOnPage(QPagedPaintDevice& device) const {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const QSize size = plotArea_->size();
  // As large as the page allows, keeping the plots' proportions.
  const double scale =
      std::min(page.width() / double(size.width()), page.height() / double(size.height()));
  painter.scale(scale, scale);
  plotArea_->render(&painter);
}

void DiagramWindow::Print() {
  // The printer writes its own output; only printing itself goes this way.
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RenderPlotsOnPage(printer);
}

}  // namespace veltrisko
