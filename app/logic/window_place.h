// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/logic/legend_content.h"

namespace veltrisko {

// Where the main window was at its last end: its normal place in screen
// pixels (the frame where a toolkit places frames, the inside where it
// places insides), and whether it was maximised. Kept as one line of text,
// "left top right bottom normal|maximized".
struct WindowPlace {
  LegendRect frame;
  bool maximized = false;
  bool operator==(const WindowPlace&) const = default;
};

// The place a kept line names; nothing for a line that names none, or a
// frame smaller than anybody would choose.
std::optional<WindowPlace> WindowPlaceOfText(std::string_view text);
std::string WindowPlaceText(const WindowPlace& place);

// The frame moved, and shrunk where it must, into a screen's work area: a
// place left on a screen since removed opens on one that is there.
LegendRect OnWorkArea(const LegendRect& frame, const LegendRect& work);

}  // namespace veltrisko
