// SPDX-License-Identifier: MIT
#include "app/logic/config_dialog_view.h"

#include "dialog/slider_value_text.h"
#include "model/panel_catalogue.h"
#include "text/dialog_texts.h"

namespace veltrisko {

namespace {

PanelView PanelViewOf(const PanelState& panel, const Text& component, Language language) {
  PanelView view;
  const SliderRanges ranges = SliderRangesOf(panel.typeIndex);
  view.valueShown = {true, ranges.usesP1AndP3, ranges.usesP2, ranges.usesP1AndP3, ranges.usesP4};
  for (std::size_t i = 0; i < view.valueTexts.size(); ++i) {
    view.valueTexts[i] =
        SliderValueText(panel.typeIndex, static_cast<PanelSlider>(i), panel.positions[i], language);
  }
  const CodeFieldFeedback feedback = CodeFieldFeedbackOf(
      panel.fieldText, panel.codeInForce.c_str(), InString(language, component).c_str(), language);
  view.codeState = feedback.state;
  view.codeTint = CodeFieldTint(feedback.state);
  view.codeToolTip = feedback.toolTip;
  return view;
}

void DescribePanel(const PanelView& panel, const char* component, std::string& lines) {
  for (std::size_t i = 0; i < panel.valueTexts.size(); ++i) {
    if (panel.valueShown[i])
      lines += std::string(component) + " " + std::to_string(i) + ": " + panel.valueTexts[i] + "\n";
  }
  static constexpr const char* kStates[] = {"in force", "not in force", "rejected", "unusual form"};
  lines += std::string(component) + " field: " + kStates[static_cast<int>(panel.codeState)] +
           (panel.codeToolTip.empty() ? "" : " | " + panel.codeToolTip) + "\n";
}

}  // namespace

ConfigDialogView ConfigDialogViewOf(const ConfigDialogState& state, Language language) {
  return {PanelViewOf(state.horizontal, texts::kHorizontal, language),
          PanelViewOf(state.vertical, texts::kVertical, language), DbRangeValueText(state.dbRange),
          state.logScale};
}

std::string DescribeConfigDialogView(const ConfigDialogView& view) {
  std::string lines;
  DescribePanel(view.horizontal, "horizontal", lines);
  DescribePanel(view.vertical, "vertikal", lines);
  if (view.dbRangeShown) lines += "dB: " + view.dbRangeText + "\n";
  return lines;
}

}  // namespace veltrisko
