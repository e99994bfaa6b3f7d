// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "dialog/panel_controls.h"
#include "text/language.h"

namespace veltrisko {

// One component's half of the configuration dialog: a type slider over the
// 29-entry catalogue, four parameter sliders with labels, an edit field, and
// the stored code text that the renderer and the legend read.
class AntennaPanel {
 public:
  // `updatingEditText` is the flag shared by the dialog's panels: set only
  // while a panel writes a composed code into its edit field, so that the
  // dialog ignores the edit-change notification this raises.
  explicit AntennaPanel(bool& updatingEditText) : updatingEditText_(updatingEditText) {}

  // Binds the panel to a new dialog's controls (each time a dialog is created).
  void Bind(const PanelControls& controls);
  void SetType(int typeIndex);
  void ComposeFromSliders();
  // True when the edit field's text was taken over as the new code.
  bool ParseTypedCode();
  static const char* TypeName(unsigned typeIndex);
  // Writes the labels in `language` from now on, and rewrites the bound ones.
  void SetLanguage(Language language);
  Language LabelLanguage() const { return language_; }

  // The current code; empty before the first composition.
  const char* Code() const { return code_.c_str(); }
  int TypeIndex() const { return typeIndex_; }
  // The type and P1..P4 sliders' positions; 0 for a slider not bound.
  std::array<int, 5> SliderPositions() const;

 private:
  // Composing and reading need the edit field and all five sliders; labels
  // that are not bound are skipped.
  bool HasControls() const;
  // Writes a label and remembers which text it shows; null leaves it as is.
  void SetLabel(TextControl* control, const Text* text);

  // The parameter labels' texts as last written, null where none was.
  struct ShownLabels {
    const Text* p1 = nullptr;
    const Text* p3 = nullptr;
    const Text* p4 = nullptr;
  };

  bool& updatingEditText_;
  PanelControls controls_;
  std::string code_;
  int typeIndex_ = 0;
  Language language_ = kDefaultLanguage;
  ShownLabels shownLabels_;
};

}  // namespace veltrisko
