// SPDX-License-Identifier: MIT
#include "app/config_dialog_widget.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui_font.h"

namespace veltrisko {

namespace {

// Where the dialog sits relative to its owner's client area, in dialog units
// (a quarter of the average character width, an eighth of the line height).
constexpr int kDialogX = 600;
constexpr int kDialogY = 400;

void KeepSpaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

ConfigDialogWidget::ConfigDialogWidget(QWidget* owner, const DialogTargets& targets,
                                       std::function<void()> repaint)
    : QDialog(owner), repaint_(std::move(repaint)), owner_(owner), logic_(*this, targets) {
  setWindowTitle(QStringLiteral("Konfiguration des Antennentyps"));
  setModal(false);
  setFont(UiFont(8));

  PanelControls horizontalControls;
  PanelControls verticalControls;
  auto* panels = new QHBoxLayout;
  panels->addWidget(BuildPanel(QStringLiteral("&horizontaler Antennentyp"), kHorizontalEditId,
                               horizontal_, horizontalControls));
  panels->addWidget(BuildPanel(QStringLiteral("&vertikaler Antennentyp"), kVerticalEditId,
                               vertical_, verticalControls));

  auto* combination =
      new QGroupBox(QStringLiteral("Kombination der horizontalen und vertikalen Komponente nach"));
  hcmV6_ = new QRadioButton(QStringLiteral("HCM V6"));
  hcmV7_ = new QRadioButton(QStringLiteral("HCM V7"));
  auto* combinationRow = new QHBoxLayout(combination);
  combinationRow->addWidget(hcmV6_);
  combinationRow->addWidget(hcmV7_);
  combinationRow->addStretch(1);

  auto* mode = new QGroupBox(QStringLiteral("Anzeigemodus"));
  linear_ = new QRadioButton(QStringLiteral("linear"));
  logarithmic_ = new QRadioButton(QStringLiteral("logarithmisch"));
  dbRangeSlider_ = NewSlider(mode);
  dbRangeSlider_->setObjectName(QStringLiteral("dbRangeSlider"));
  dbRangeSlider_->setVisible(false);
  KeepSpaceWhenHidden(dbRangeSlider_);
  dbRangeControl_ = std::make_unique<QtSliderControl>(dbRangeSlider_);
  auto* modeRow = new QHBoxLayout(mode);
  modeRow->addWidget(linear_);
  modeRow->addWidget(logarithmic_);
  modeRow->addStretch(1);
  modeRow->addWidget(dbRangeSlider_, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panels);
  layout->addWidget(combination);
  layout->addWidget(mode);

  const std::pair<QRadioButton*, DialogControlId> buttons[] = {
      {hcmV6_, kHcmV6ButtonId},
      {hcmV7_, kHcmV7ButtonId},
      {linear_, kLinearButtonId},
      {logarithmic_, kLogarithmicButtonId}};
  for (auto [button, id] : buttons) {
    connect(button, &QRadioButton::clicked, this,
            [this, id = id] { logic_.OnCommand(id, DialogNotification::kClicked); });
  }

  logic_.OnInit(horizontalControls, verticalControls);
  horizontal_.edit->setFocus();
  PlaceNearOwner(owner);
}

ConfigDialogWidget::~ConfigDialogWidget() = default;

QGroupBox* ConfigDialogWidget::BuildPanel(const QString& title, int editId, PanelWidgets& widgets,
                                          PanelControls& controls) {
  auto* box = new QGroupBox(title);
  auto* column = new QVBoxLayout(box);

  widgets.edit = new QLineEdit(box);
  widgets.edit->setValidator(new UpperCaseValidator(widgets.edit));
  widgets.edit->setFixedWidth(widgets.edit->fontMetrics().horizontalAdvance(QStringLiteral("W")) *
                              10);
  column->addWidget(widgets.edit, 0, Qt::AlignHCenter);
  connect(widgets.edit, &QLineEdit::textChanged, this,
          [this, editId] { logic_.OnCommand(editId, DialogNotification::kEditChange); });

  // Labels keep "Static" until the panel writes their real text.
  const QString labelTexts[5] = {QStringLiteral("Antennentypgruppe"), QStringLiteral("Static"),
                                 QStringLiteral("halber Winkel zw. den Hauptstrahlen"),
                                 QStringLiteral("Static"), QStringLiteral("Static")};
  for (int i = 0; i < 5; ++i) {
    widgets.sliders[i] = NewSlider(box);
    widgets.labels[i] = new QLabel(labelTexts[i], box);
    KeepSpaceWhenHidden(widgets.sliders[i]);
    KeepSpaceWhenHidden(widgets.labels[i]);
    column->addWidget(widgets.sliders[i]);
    column->addWidget(widgets.labels[i]);
  }
  column->addStretch(1);

  auto slider = [&](int i) {
    sliderControls_.push_back(std::make_unique<QtSliderControl>(widgets.sliders[i]));
    return sliderControls_.back().get();
  };
  auto text = [&](auto* widget) {
    using Widget = std::remove_pointer_t<decltype(widget)>;
    textControls_.push_back(std::make_unique<QtTextControl<Widget>>(widget));
    return textControls_.back().get();
  };
  controls.editField = text(widgets.edit);
  controls.typeSlider = slider(0);
  controls.p1Slider = slider(1);
  controls.p2Slider = slider(2);
  controls.p3Slider = slider(3);
  controls.p4Slider = slider(4);
  controls.typeLabel = text(widgets.labels[0]);
  controls.p1Label = text(widgets.labels[1]);
  controls.p2Label = text(widgets.labels[2]);
  controls.p3Label = text(widgets.labels[3]);
  controls.p4Label = text(widgets.labels[4]);
  // P2 and P4 start hidden, the others get their visibility from the panel.
  widgets.sliders[2]->setVisible(false);
  widgets.labels[2]->setVisible(false);
  widgets.sliders[4]->setVisible(false);
  widgets.labels[4]->setVisible(false);
  return box;
}

QSlider* ConfigDialogWidget::NewSlider(QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setMinimumWidth(150);
  // Any user movement of any slider recomposes the codes; programmatic
  // changes do not trigger actions.
  connect(slider, &QSlider::actionTriggered, this, [this] { logic_.OnScroll(); });
  return slider;
}

void ConfigDialogWidget::PlaceNearOwner(QWidget* owner) {
  adjustSize();
  const QFontMetrics metrics(font());
  QPoint origin = owner != nullptr ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
  if (auto* window = qobject_cast<QMainWindow*>(owner); window && window->centralWidget())
    origin = window->centralWidget()->mapToGlobal(QPoint(0, 0));
  QPoint position(origin.x() + kDialogX * metrics.averageCharWidth() / 4,
                  origin.y() + kDialogY * metrics.height() / 8);
  // Keep the whole dialog on the screen.
  if (const QScreen* display = owner != nullptr ? owner->screen() : screen()) {
    const QRect available = display->availableGeometry();
    const QSize size = frameSize();
    position.setX(std::clamp(position.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - size.width())));
    position.setY(std::clamp(position.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - size.height())));
  }
  move(position);
}

QRadioButton* ConfigDialogWidget::Button(DialogControlId id) const {
  switch (id) {
    case kHcmV6ButtonId:
      return hcmV6_;
    case kHcmV7ButtonId:
      return hcmV7_;
    case kLinearButtonId:
      return linear_;
    case kLogarithmicButtonId:
      return logarithmic_;
    default:
      return nullptr;
  }
}

void ConfigDialogWidget::CheckButton(DialogControlId button) {
  // Radio buttons sharing a group box exclude each other.
  if (QRadioButton* radio = Button(button)) radio->setChecked(true);
}

void ConfigDialogWidget::PostRepaintRequest() {
  QMetaObject::invokeMethod(owner_ != nullptr ? static_cast<QObject*>(owner_) : this, repaint_,
                            Qt::QueuedConnection);
}

void ConfigDialogWidget::EndDialog() {
  hide();
  deleteLater();
}

void ConfigDialogWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      logic_.OnCommand(kOkCommand, DialogNotification::kClicked);
      event->accept();
      return;
    case Qt::Key_Escape:
      logic_.OnCommand(kCancelCommand, DialogNotification::kClicked);
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ConfigDialogWidget::reject() {
  logic_.OnCommand(kCancelCommand, DialogNotification::kClicked);
}

void ConfigDialogWidget::closeEvent(QCloseEvent* event) {
  // QDialog's own handling would route the close box through reject().
  logic_.OnClose();
  event->accept();
}

}  // namespace veltrisko
