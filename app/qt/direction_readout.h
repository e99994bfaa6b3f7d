// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "analysis/direction_readout.h"
#include "text/language.h"

class QLabel;
class QWidget;

namespace veltrisko {

class PatternView;

// The numbers under the cursor in the 3-D view: a tooltip-like box near the
// cursor and a status line while hovering over the pattern; a click without
// movement pins the direction (a marker is drawn there and the readout follows
// every change) until Esc or another click; Ctrl+C and "Werte kopieren" copy
// the readout as text.
class DirectionReadoutController final : public QObject {
  Q_OBJECT

 public:
  // The box is a child of `overlayParent`, which lies exactly over the
  // view. `statusLine` shows a line of text (empty: clear); `repaint` asks
  // for a new frame after the pinned direction changed; `keepClear` tells
  // the screen rectangle the box must not go under (empty: none).
  DirectionReadoutController(PatternView* view, QWidget* overlayParent,
                             std::function<void(const QString&)> statusLine,
                             std::function<void()> repaint, std::function<QRect()> keepClear);

  // The readout of the direction under a view position (logical pixels).
  std::optional<DirectionReadout> ReadoutAt(QPoint position) const;

  const std::optional<WorldDirection>& Pinned() const { return pinned_; }
  // The readout shown now (pinned or hovered).
  const std::optional<DirectionReadout>& Shown() const { return shown_; }
  // The readout shown now (pinned or hovered), as text; empty when none.
  QString CurrentText() const;
  QLabel* Box() const { return box_; }

  void Unpin();
  void CopyToClipboard() const;
  // The menu with "Werte kopieren" at a point of the screen.
  void OpenContextMenu(QPoint globalPosition);
  // Recomputes the shown readout after codes, rule or view changed.
  void Refresh();
  // Shows the box, the status line and the copied text in `language`.
  void SetLanguage(Language language);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Hover(QPoint position);
  void Click(QPoint position);
  void Show(const std::optional<DirectionReadout>& readout, QPoint near);

  PatternView* view_;
  QLabel* box_;
  std::function<void(const QString&)> statusLine_;
  std::function<void()> repaint_;
  std::function<QRect()> keepClear_;
  Language language_ = kDefaultLanguage;
  std::optional<WorldDirection> pinned_;
  std::optional<DirectionReadout> shown_;
  QPoint lastHover_;
  QPoint shownNear_;  // the cursor position the box was placed beside
  std::optional<QPoint> pressedAt_;
  std::optional<QPoint> rightPressedAt_;
};

}  // namespace veltrisko
