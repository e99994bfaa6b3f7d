// SPDX-License-Identifier: MIT
#pragma once

#include "dialog/config_dialog.h"
#include "tests/dialog/fake_controls.h"

namespace veltrisko::testing {

// The dialog's window with its radio groups, its dB-range slider, the posted
// repaint requests and the ending.
class FakeDialogWindow : public DialogWindow {
 public:
  void CheckButton(DialogControlId button) override {
    const bool versionGroup = button == kHcmV6ButtonId || button == kHcmV7ButtonId;
    (versionGroup ? checkedVersion : checkedMode) = button;
  }
  SliderControl& DbRangeSlider() override { return dbRange; }
  void PostRepaintRequest() override { ++repaintRequests; }
  void EndDialog() override { ended = true; }

  int checkedVersion = 0;
  int checkedMode = 0;
  FakeSlider dbRange{"dbRange"};
  int repaintRequests = 0;
  bool ended = false;
};

}  // namespace veltrisko::testing
