// SPDX-License-Identifier: MIT
#include "app/qt/config_dialog_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMetaObject>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/logic/config_dialog_view.h"
#include "app/logic/dialog_placement.h"
#include "app/qt/qt_values.h"
#include "app/qt/ui_font.h"
#include "dialog/pasted_code.h"
#include "dialog/slider_value_text.h"
#include "text/dialog_texts.h"

namespace veltrisko {

namespace {

void KeepSpaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

// Wide enough for every text the label can show, so the fixed-size dialog
// never changes its layout while a slider moves.
QLabel* NewValueLabel(QWidget* parent, const std::vector<std::string>& texts) {
  auto* label = new QLabel(parent);
  int width = 0;
  for (const std::string& text : texts)
    width = std::max(width, label->fontMetrics().horizontalAdvance(QString::fromStdString(text)));
  label->setFixedWidth(width + 4);
  KeepSpaceWhenHidden(label);
  return label;
}

QString Shown(Language language, const Text& text) {
  const std::string_view chosen = In(language, text);
  return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

}  // namespace

ConfigDialogWidget::ConfigDialogWidget(QWidget* owner, const DialogTargets& targets,
                                       std::function<void()> repaint, Language language)
    : QDialog(owner),
      language_(language),
      repaint_(std::move(repaint)),
      owner_(owner),
      logic_(*this, targets) {
  // The template's modal frame: a close box, no maximise button, fixed size.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setFont(UiFont(8));

  PanelControls horizontalControls;
  PanelControls verticalControls;
  auto* panels = new QHBoxLayout;
  horizontalBox_ = BuildPanel(kHorizontalEditId, horizontal_, horizontalControls);
  verticalBox_ = BuildPanel(kVerticalEditId, vertical_, verticalControls);
  panels->addWidget(horizontalBox_);
  panels->addWidget(verticalBox_);

  auto* combination = combination_ = new QGroupBox;
  hcmV6_ = new QRadioButton(QStringLiteral("HCM V6"));
  hcmV7_ = new QRadioButton(QStringLiteral("HCM V7"));
  auto* combinationRow = new QHBoxLayout(combination);
  combinationRow->addWidget(hcmV6_);
  combinationRow->addWidget(hcmV7_);
  combinationRow->addStretch(1);

  auto* mode = mode_ = new QGroupBox;
  linear_ = new QRadioButton;
  logarithmic_ = new QRadioButton;
  dbRangeSlider_ = NewSlider(mode);
  dbRangeSlider_->setObjectName(QStringLiteral("dbRangeSlider"));
  dbRangeSlider_->setVisible(false);
  KeepSpaceWhenHidden(dbRangeSlider_);
  dbRangeControl_ = std::make_unique<QtSliderControl>(dbRangeSlider_);
  dbRangeValue_ = NewValueLabel(mode, {DbRangeValueText(40)});
  auto* modeRow = new QHBoxLayout(mode);
  modeRow->addWidget(linear_);
  modeRow->addWidget(logarithmic_);
  modeRow->addStretch(1);
  modeRow->addWidget(dbRangeSlider_, 2);
  modeRow->addWidget(dbRangeValue_);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(panels);
  layout->addWidget(combination);
  layout->addWidget(mode);

  const std::pair<QRadioButton*, DialogControlId> buttons[] = {
      {hcmV6_, kHcmV6ButtonId},
      {hcmV7_, kHcmV7ButtonId},
      {linear_, kLinearButtonId},
      {logarithmic_, kLogarithmicButtonId}};
  for (auto [button, id] : buttons) {
    connect(button, &QRadioButton::clicked, this, [this, id = id] {
      logic_.OnCommand(id, DialogNotification::kClicked);
      ShowState();
    });
    // Tab enters a radio group on its checked button; the arrows move within.
    connect(button, &QRadioButton::toggled, button, [button = button](bool checked) {
      button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    });
    button->setFocusPolicy(Qt::ClickFocus);
  }

  ShowTexts();
  logic_.OnInit(horizontalControls, verticalControls);
  // An owner shown after the dialog would cover it: a window manager links a
  // dialog to its owner only when the owner is already on the screen.
  if (owner_ != nullptr) owner_->window()->installEventFilter(this);
  SetTabOrder();
  ShowState();
  horizontal_.edit->setFocus();
  PlaceNearOwner(owner);
}

ConfigDialogWidget::~ConfigDialogWidget() = default;

void ConfigDialogWidget::SetLanguage(Language language) {
  language_ = language;
  ShowTexts();
  ShowState();
}

void ConfigDialogWidget::ShowTexts() {
  setWindowTitle(Shown(language_, texts::kDialogTitle));
  horizontalBox_->setTitle(Shown(language_, texts::kHorizontalType));
  verticalBox_->setTitle(Shown(language_, texts::kVerticalType));
  combination_->setTitle(Shown(language_, texts::kCombination));
  mode_->setTitle(Shown(language_, texts::kDisplayMode));
  linear_->setText(Shown(language_, texts::kLinear));
  logarithmic_->setText(Shown(language_, texts::kLogarithmic));
}

QGroupBox* ConfigDialogWidget::BuildPanel(int editId, PanelWidgets& widgets,
                                          PanelControls& controls) {
  auto* box = new QGroupBox;
  auto* column = new QVBoxLayout(box);

  widgets.edit = new QLineEdit(box);
  widgets.edit->setValidator(new UpperCaseValidator(widgets.edit));
  widgets.edit->setMaxLength(kCodeFieldMaxLength);
  widgets.edit->setFixedWidth(widgets.edit->fontMetrics().horizontalAdvance(QStringLiteral("W")) *
                              10);
  column->addWidget(widgets.edit, 0, Qt::AlignHCenter);
  connect(widgets.edit, &QLineEdit::textChanged, this, [this, editId] {
    logic_.OnCommand(editId, DialogNotification::kEditChange);
    ShowState();
  });

  // Labels keep "Static" until the panel writes their real text.
  const QString labelTexts[5] = {Shown(language_, texts::kTypeGroup), QStringLiteral("Static"),
                                 Shown(language_, texts::kHalfAngleBetweenBeams),
                                 QStringLiteral("Static"), QStringLiteral("Static")};
  auto* rows = new QGridLayout;
  rows->setVerticalSpacing(2);
  for (int i = 0; i < 5; ++i) {
    widgets.sliders[i] = NewSlider(box);
    widgets.labels[i] = new QLabel(labelTexts[i], box);
    widgets.values[i] = NewValueLabel(box, SliderValueTextsToFit(static_cast<PanelSlider>(i)));
    KeepSpaceWhenHidden(widgets.sliders[i]);
    KeepSpaceWhenHidden(widgets.labels[i]);
    rows->addWidget(widgets.sliders[i], 2 * i, 0);
    rows->addWidget(widgets.values[i], 2 * i, 1);
    rows->addWidget(widgets.labels[i], 2 * i + 1, 0, 1, 2);
  }
  column->addLayout(rows);
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
  connect(slider, &QSlider::actionTriggered, this, [this] {
    logic_.OnScroll();
    ShowState();
  });
  return slider;
}

QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry(), inner = window.geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
  // Before the window manager has framed it: what a usual title bar and border add.
  return margins.isNull() ? QMargins(2, 28, 2, 2) : margins;
}

void MoveFrameTo(QWidget& window, int x, int y) {
  // move() places the frame's corner once the frame is known, else the inside's.
  const bool framed = window.frameGeometry() != window.geometry();
  const QMargins frame = FrameMargins(window);
  window.move(framed ? x : x + frame.left(), framed ? y : y + frame.top());
}

void ResizeFrameTo(QWidget& window, int width, int height) {
  window.resize(QSize(width, height).shrunkBy(FrameMargins(window)));
}

void ConfigDialogWidget::PlaceNearOwner(QWidget* owner) {
  adjustSize();
  const QWidget* window = owner != nullptr ? owner->window() : nullptr;
  const QScreen* display = window != nullptr ? window->screen() : screen();
  if (window == nullptr || display == nullptr) return;
  const QSize outer = size().grownBy(FrameMargins(*this));
  const LegendRect place = PlaceDialogBeside(RectOf(window->frameGeometry()), outer.width(),
                                             outer.height(), RectOf(display->availableGeometry()));
  MoveFrameTo(*this, place.x, place.y);
}

bool ConfigDialogWidget::eventFilter(QObject* watched, QEvent* event) {
  // The owner's activation comes once the window manager has it on the
  // screen; its Show event may come before, while the manager cannot yet
  // link the dialog to it.
  if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && isVisible())
    QMetaObject::invokeMethod(this, &ConfigDialogWidget::StayAboveOwner, Qt::QueuedConnection);
  return QDialog::eventFilter(watched, event);
}

void ConfigDialogWidget::StayAboveOwner() {
  // The window system learns the owner when the dialog is shown (Qt writes
  // WM_TRANSIENT_FOR then), so the owner must be on the screen before it;
  // a window manager then keeps the dialog above it. Raising here serves
  // where no window manager stacks them.
  raise();
}

void ConfigDialogWidget::SetTabOrder() {
  // The template's order: the horizontal column, the vertical column, the
  // HCM version, the display mode, the dB range.
  std::vector<QWidget*> chain;
  for (const PanelWidgets* panel : {&horizontal_, &vertical_}) {
    chain.push_back(panel->edit);
    for (QSlider* slider : panel->sliders) chain.push_back(slider);
  }
  for (QWidget* widget : {static_cast<QWidget*>(hcmV6_), static_cast<QWidget*>(hcmV7_),
                          static_cast<QWidget*>(linear_), static_cast<QWidget*>(logarithmic_),
                          static_cast<QWidget*>(dbRangeSlider_)})
    chain.push_back(widget);
  for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void ConfigDialogWidget::ShowState() {
  const ConfigDialogView view = ConfigDialogViewOf(logic_.State(), language_);
  ShowPanelState(horizontal_, view.horizontal);
  ShowPanelState(vertical_, view.vertical);
  dbRangeValue_->setText(QString::fromStdString(view.dbRangeText));
  dbRangeValue_->setVisible(view.dbRangeShown);
}

void ConfigDialogWidget::ShowPanelState(const PanelWidgets& widgets, const PanelView& view) {
  for (std::size_t i = 0; i < view.valueTexts.size(); ++i) {
    widgets.values[i]->setText(QString::fromStdString(view.valueTexts[i]));
    widgets.values[i]->setVisible(view.valueShown[i]);
  }
  const Colour tint = view.codeTint.value_or(0);
  QPalette palette = widgets.edit->palette();
  palette.setColor(QPalette::Base, view.codeTint ? QColor(RedOf(tint), GreenOf(tint), BlueOf(tint))
                                                 : QApplication::palette().color(QPalette::Base));
  widgets.edit->setPalette(palette);
  widgets.edit->setToolTip(QString::fromStdString(view.codeToolTip));
  widgets.edit->setProperty("codeState", static_cast<int>(view.codeState));
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
