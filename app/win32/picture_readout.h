// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "analysis/direction_readout.h"
#include "render/pattern_geometry.h"

namespace veltrisko {

// The numbers under the cursor in the picture: the box beside the cursor and
// the status bar's line while hovering over the pattern; a click pins the
// direction (the frame marks it) until Esc or another click.
class PictureReadout {
 public:
  // The cursor moved to a point of the picture (its size: `view`).
  void Hover(POINT cursor, const ClientRect& view);
  // A click without movement: pins the direction under the cursor, or
  // unpins. Returns whether the pinned direction changed.
  bool Click(POINT cursor, const ClientRect& view);
  // Returns whether a direction was pinned.
  bool Unpin();
  // The cursor left the picture.
  void Leave();
  // Reads the shown direction again after codes, rule or view changed.
  void Refresh(const ClientRect& view);

  const std::optional<WorldDirection>& Pinned() const { return pinned_; }
  // Where the box goes: beside this point.
  POINT Anchor() const { return anchor_; }
  // The box's lines and the status line in the language in force; empty
  // while nothing is shown.
  std::string Text() const;
  std::string StatusLine() const;

 private:
  void Show(const std::optional<DirectionReadout>& readout);

  std::optional<WorldDirection> pinned_;
  std::optional<DirectionReadout> shown_;
  POINT anchor_{0, 0};
  POINT lastHover_{0, 0};
};

// Puts the text on the clipboard as CF_UNICODETEXT; false when the clipboard
// could not be had.
bool CopyToClipboard(HWND owner, const std::string& utf8);

}  // namespace veltrisko
