// SPDX-License-Identifier: MIT
#include "app/qt/direction_readout.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/logic/main_menu.h"
#include "app/logic/readout_view.h"
#include "app/qt/diagram_painter.h"
#include "app/qt/drawing_overlay.h"
#include "app/qt/pattern_view.h"

namespace veltrisko {
namespace {

PointerButton ButtonOf(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return PointerButton::kLeft;
  if (button == Qt::RightButton) return PointerButton::kRight;
  return PointerButton::kOther;
}

PointerPosition PositionOf(const QMouseEvent* mouse) {
  const QPoint at = mouse->position().toPoint();
  return {at.x(), at.y()};
}

}  // namespace

DirectionReadoutController::DirectionReadoutController(
    ViewerSession& session, PatternView* view, QWidget* overlayParent,
    std::function<void(const QString&)> statusLine, std::function<QRect()> keepClear,
    std::function<void(const SessionUpdate&)> carry)
    : QObject(view),
      session_(session),
      view_(view),
      box_(new DrawingOverlay(overlayParent)),
      statusLine_(std::move(statusLine)),
      keepClear_(std::move(keepClear)),
      carry_(std::move(carry)) {
  box_->setObjectName(QStringLiteral("directionReadout"));
  // A window gets every mouse movement, with or without a button held.
  view_->installEventFilter(this);
}

QString DirectionReadoutController::CurrentText() const {
  return QString::fromStdString(session_.ReadoutText());
}

void DirectionReadoutController::ShowReadout() {
  const std::string text = session_.ReadoutText();
  const Drawing drawing = ReadoutBoxDrawing(text, QtMessageFace());
  if (!text.empty()) {
    // Beside the cursor, kept inside the view and clear of the dialog, which
    // stands above the main window and would hide it.
    LegendRect dialog{0, 0, 0, 0};
    if (const QRect keepClear = keepClear_(); !keepClear.isEmpty()) {
      const QPoint topLeft = view_->mapFromGlobal(keepClear.topLeft());
      dialog = {topLeft.x(), topLeft.y(), keepClear.width(), keepClear.height()};
    }
    const PointerPosition near = session_.ReadoutAnchor();
    const LegendRect place =
        PlaceReadoutBoxDrawing(drawing, near.x, near.y, view_->width(), view_->height(), dialog);
    box_->move(place.x, place.y);
  }
  box_->Show(drawing, text);
  box_->raise();
  statusLine_(QString::fromStdString(session_.StatusLine()));
}

void DirectionReadoutController::Refresh() {
  session_.SetPicture(view_->width(), view_->height(), view_->devicePixelRatio());
  session_.Refresh();
  ShowReadout();
}

void DirectionReadoutController::OpenContextMenu(QPoint globalPosition) {
  QMenu menu(box_->parentWidget());
  QAction* copy = menu.addAction(QString::fromStdString(session_.ReadoutMenuText()));
  copy->setEnabled(session_.Shown().has_value());
  connect(copy, &QAction::triggered, this,
          [this] { carry_(session_.RunCommand(kCmdCopyReadout)); });
  menu.exec(globalPosition);
}

bool DirectionReadoutController::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_) return false;
  session_.SetPicture(view_->width(), view_->height(), view_->devicePixelRatio());
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      carry_(session_.PointerPress(ButtonOf(mouse->button()), PositionOf(mouse),
                                   (mouse->modifiers() & Qt::ShiftModifier) != 0));
      break;
    }
    case QEvent::MouseMove:
      carry_(session_.PointerMove(PositionOf(static_cast<QMouseEvent*>(event))));
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      SessionUpdate update = session_.PointerRelease(ButtonOf(mouse->button()), PositionOf(mouse));
      if (update.request == FrontEndRequest::kReadoutMenu) {
        update.request = FrontEndRequest::kNone;
        carry_(update);
        OpenContextMenu(mouse->globalPosition().toPoint());
      } else {
        carry_(update);
      }
      break;
    }
    case QEvent::Leave:
      carry_(session_.PointerLeave());
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
