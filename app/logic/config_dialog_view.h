// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/logic/code_feedback.h"
#include "dialog/config_dialog.h"
#include "text/language.h"

namespace veltrisko {

// What one panel shows beyond the controls the panel sets itself.
struct PanelView {
  std::array<std::string, 5> valueTexts;  // beside the type and P1..P4 sliders
  std::array<bool, 5> valueShown{};       // with its slider: the type hides unused ones
  CodeFieldState codeState = CodeFieldState::kInForce;
  std::optional<Colour> codeTint;  // nothing: the field's usual background
  std::string codeToolTip;         // empty: no tip
};

// Everything the configuration dialog shows that follows from its state;
// each front end only applies it to its controls, after every event.
struct ConfigDialogView {
  PanelView horizontal;
  PanelView vertical;
  std::string dbRangeText;
  bool dbRangeShown = false;
};

ConfigDialogView ConfigDialogViewOf(const ConfigDialogState& state, Language language);

// The view as lines for a test to read, e.g. "horizontal 1: 30°",
// "vertikal field: rejected | …", "dB: −40 dB"; only what is shown.
std::string DescribeConfigDialogView(const ConfigDialogView& view);

}  // namespace veltrisko
