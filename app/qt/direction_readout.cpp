// SPDX-License-Identifier: MIT
#include "app/qt/direction_readout.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <cmath>

#include "analysis/surface_pick.h"
#include "app/logic/dialog_placement.h"
#include "app/logic/main_menu.h"
#include "app/logic/readout_view.h"
#include "app/qt/pattern_view.h"

namespace veltrisko {
namespace {

ClientRect DeviceClientOf(const PatternView* view) {
  const qreal ratio = view->devicePixelRatio();
  return {0, 0, static_cast<int>(std::lround(view->width() * ratio)),
          static_cast<int>(std::lround(view->height() * ratio))};
}

}  // namespace

DirectionReadoutController::DirectionReadoutController(
    PatternView* view, QWidget* overlayParent, std::function<void(const QString&)> statusLine,
    std::function<void()> repaint, std::function<QRect()> keepClear)
    : QObject(view),
      view_(view),
      box_(new QLabel(overlayParent)),
      statusLine_(std::move(statusLine)),
      repaint_(std::move(repaint)),
      keepClear_(std::move(keepClear)) {
  box_->setObjectName(QStringLiteral("directionReadout"));
  box_->setStyleSheet(
      QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #767676;"
                     " padding: 3px; }"));
  box_->setAttribute(Qt::WA_TransparentForMouseEvents);
  box_->hide();
  // A window gets every mouse movement, with or without a button held.
  view_->installEventFilter(this);
}

std::optional<DirectionReadout> DirectionReadoutController::ReadoutAt(QPoint position) const {
  const FrameSource source = view_->Source();
  const qreal ratio = view_->devicePixelRatio();
  const std::optional<WorldDirection> direction =
      DirectionUnderCursor(source.scene, DeviceClientOf(view_), source.horizontalCode,
                           source.verticalCode, {position.x() * ratio, position.y() * ratio});
  if (!direction) return std::nullopt;
  return ReadDirection(source.scene, source.horizontalCode, source.verticalCode, *direction);
}

QString DirectionReadoutController::CurrentText() const {
  return shown_ ? QString::fromStdString(ReadoutText(*shown_, language_)) : QString();
}

void DirectionReadoutController::Show(const std::optional<DirectionReadout>& readout, QPoint near) {
  shown_ = readout;
  shownNear_ = near;
  if (!readout) {
    box_->hide();
    statusLine_(QString());
    return;
  }
  box_->setText(QString::fromStdString(ReadoutText(*readout, language_)));
  box_->adjustSize();
  // Beside the cursor, kept inside the view and clear of the dialog, which
  // stands above the main window and would hide it.
  LegendRect dialog{0, 0, 0, 0};
  if (const QRect keepClear = keepClear_(); !keepClear.isEmpty()) {
    const QPoint topLeft = view_->mapFromGlobal(keepClear.topLeft());
    dialog = {topLeft.x(), topLeft.y(), keepClear.width(), keepClear.height()};
  }
  const LegendRect place = PlaceReadoutBox(near.x(), near.y(), box_->width(), box_->height(),
                                           view_->width(), view_->height(), dialog);
  box_->move(place.x, place.y);
  box_->show();
  box_->raise();
  statusLine_(QString::fromStdString(ReadoutStatusLine(*readout, language_)));
}

void DirectionReadoutController::Hover(QPoint position) {
  lastHover_ = position;
  if (pinned_) return;
  Show(ReadoutAt(position), position);
}

void DirectionReadoutController::Click(QPoint position) {
  if (pinned_) {
    Unpin();
    Hover(position);
    return;
  }
  const std::optional<DirectionReadout> readout = ReadoutAt(position);
  if (!readout) return;
  pinned_ = readout->world;
  Show(readout, position);
  repaint_();
}

void DirectionReadoutController::Unpin() {
  if (!pinned_) return;
  pinned_.reset();
  Show(std::nullopt, lastHover_);
  repaint_();
}

void DirectionReadoutController::Refresh() {
  if (pinned_) {
    const FrameSource source = view_->Source();
    Show(ReadDirection(source.scene, source.horizontalCode, source.verticalCode, *pinned_),
         shownNear_);
  } else if (shown_) {
    Show(ReadoutAt(lastHover_), lastHover_);
  }
}

void DirectionReadoutController::SetLanguage(Language language) {
  language_ = language;
  if (shown_) Show(shown_, shownNear_);
}

void DirectionReadoutController::CopyToClipboard() const {
  if (!shown_) return;
  const FrameSource source = view_->Source();
  QApplication::clipboard()->setText(
      QString::fromStdString(CopiedReadoutText(CurrentText().toStdString(), source.horizontalCode,
                                               source.verticalCode, source.scene.useHcmV7)));
}

void DirectionReadoutController::OpenContextMenu(QPoint globalPosition) {
  QMenu menu(box_->parentWidget());
  const std::string_view text = In(language_, kCopyReadoutText);
  QAction* copy =
      menu.addAction(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  copy->setEnabled(shown_.has_value());
  connect(copy, &QAction::triggered, this, [this] { CopyToClipboard(); });
  menu.exec(globalPosition);
}

bool DirectionReadoutController::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_) return false;
  switch (event->type()) {
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->buttons() == Qt::NoButton) Hover(mouse->position().toPoint());
      break;
    }
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) pressedAt_ = mouse->position().toPoint();
      if (mouse->button() == Qt::RightButton) rightPressedAt_ = mouse->position().toPoint();
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      // Only a click without movement pins: a drag turns the view.
      if (mouse->button() == Qt::LeftButton && pressedAt_ &&
          (at - *pressedAt_).manhattanLength() <= kClickSlack) {
        Click(at);
      }
      // The context menu opens on a right click without movement: a right
      // drag tilts the model.
      if (mouse->button() == Qt::RightButton && rightPressedAt_ &&
          (at - *rightPressedAt_).manhattanLength() <= kClickSlack) {
        OpenContextMenu(mouse->globalPosition().toPoint());
      }
      if (mouse->button() == Qt::LeftButton) pressedAt_.reset();
      if (mouse->button() == Qt::RightButton) rightPressedAt_.reset();
      break;
    }
    case QEvent::Leave:
      if (!pinned_) Show(std::nullopt, lastHover_);
      break;
    case QEvent::ContextMenu: {
      // From the mouse it waits for the release (above); from the keyboard
      // it opens at once.
      const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
      if (menuEvent->reason() != QContextMenuEvent::Mouse) OpenContextMenu(menuEvent->globalPos());
      return true;
    }
    default:
      break;
  }
  return false;
}

}  // namespace veltrisko
