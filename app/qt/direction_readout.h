// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "app/logic/viewer_session.h"
#include "app/qt/drawing_overlay.h"

class QWidget;

namespace veltrisko {

class PatternView;

// The pointer over the 3-D view and the readout it shows: forwards every
// press, movement, release and leave to the viewer session, hands what the
// session asks for to `carry`, and shows the session's readout in the shared
// readout box beside the cursor and in the status line.
class DirectionReadoutController final : public QObject {
  Q_OBJECT

 public:
  // The box is a child of `overlayParent`, which lies exactly over the
  // view. `statusLine` shows a line of text (empty: clear); `keepClear`
  // tells the screen rectangle the box must not go under (empty: none).
  DirectionReadoutController(ViewerSession& session, PatternView* view, QWidget* overlayParent,
                             std::function<void(const QString&)> statusLine,
                             std::function<QRect()> keepClear,
                             std::function<void(const SessionUpdate&)> carry);

  const std::optional<WorldDirection>& Pinned() const { return session_.Analysis().pinned; }
  // The readout shown now (pinned or hovered).
  const std::optional<DirectionReadout>& Shown() const { return session_.Shown(); }
  // The readout shown now, as text; empty when none.
  QString CurrentText() const;
  // The box, which paints the shared readout box drawing; its text() is the
  // readout it shows.
  DrawingOverlay* Box() const { return box_; }

  // The menu with "Werte kopieren" at a point of the screen.
  void OpenContextMenu(QPoint globalPosition);
  // Shows the session's readout as it is now.
  void ShowReadout();
  // Reads the shown direction again after codes, rule or view changed.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ViewerSession& session_;
  PatternView* view_;
  DrawingOverlay* box_;
  std::function<void(const QString&)> statusLine_;
  std::function<QRect()> keepClear_;
  std::function<void(const SessionUpdate&)> carry_;
};

}  // namespace veltrisko
