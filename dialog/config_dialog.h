// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "dialog/antenna_panel.h"
#include "dialog/panel_controls.h"
#include "scene/scene_state.h"

namespace veltrisko {

// Control numbers of the configuration dialog's own controls; the panels'
// controls are 1000..1021.
enum DialogControlId : int {
  kOkCommand = 1,
  kCancelCommand = 2,
  kHorizontalEditId = 1020,
  kVerticalEditId = 1021,
  kHcmV6ButtonId = 1022,
  kHcmV7ButtonId = 1023,
  kLinearButtonId = 1024,
  kLogarithmicButtonId = 1025,
  kDbRangeSliderId = 1026,
};

// What a control reports to the dialog through a command.
enum class DialogNotification {
  kEditChange,  // the text of an edit field changed, by the user or the program
  kClicked,     // a button was clicked (or any other command)
};

// The dialog's window and its non-panel controls, as the logic needs them.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;
  // Checks one radio button and clears its partner in the same group.
  virtual void CheckButton(DialogControlId button) = 0;
  virtual SliderControl& DbRangeSlider() = 0;
  // Posts one repaint request to the main window; it is handled later.
  virtual void PostRepaintRequest() = 0;
  // Takes the dialog off the screen.
  virtual void EndDialog() = 0;
};

class ConfigDialog;

// What one panel's controls hold, from which the dialog's view is worked out.
struct PanelState {
  int typeIndex = 0;
  std::array<int, 5> positions{};  // type, P1..P4
  std::string fieldText;           // the edit field's text as typed
  std::string codeInForce;
};

// What the open dialog holds: both panels, the display mode and the dB range.
struct ConfigDialogState {
  PanelState horizontal;
  PanelState vertical;
  bool logScale = false;
  int dbRange = 0;
};

// What a dialog works on: the scene, the two panels with their shared
// edit-text flag, and the process's record of the open dialog, which the
// dialog sets while it is open.
struct DialogTargets {
  SceneState& scene;
  AntennaPanel& horizontal;
  AntennaPanel& vertical;
  const bool& updatingEditText;
  ConfigDialog*& openDialog;
};

// The behaviour of the modeless configuration dialog: binds the two antenna
// panels, writes the HCM version, the display mode and the dB range into the
// scene, and requests a repaint after every change it handles.
class ConfigDialog {
 public:
  ConfigDialog(DialogWindow& window, const DialogTargets& targets);
  ConfigDialog(const ConfigDialog&) = delete;
  ConfigDialog& operator=(const ConfigDialog&) = delete;
  ~ConfigDialog();

  // The dialog has been created: binds the panels, composes the starting
  // codes and sets the buttons and the dB-range slider from the scene.
  void OnInit(const PanelControls& horizontalControls, const PanelControls& verticalControls);
  void OnCommand(int controlId, DialogNotification notification);
  // Any movement of any slider of the dialog.
  void OnScroll();
  // The close box: ends the dialog without a repaint.
  void OnClose();
  // What the controls hold now (after OnInit).
  ConfigDialogState State() const;

 private:
  // The panels keep their codes but no longer reach this dialog's controls,
  // which end with it.
  void ReleasePanels();
  // Trims a pasted text in its field and sends the second of a pasted pair
  // to the other field; true when it rewrote a field, whose own change
  // notification then reads the code.
  bool TidyPastedText(int editId);

  DialogWindow& window_;
  SceneState& scene_;
  AntennaPanel& horizontal_;
  AntennaPanel& vertical_;
  const bool& updatingEditText_;
  ConfigDialog*& openDialog_;
  TextControl* horizontalEdit_ = nullptr;
  TextControl* verticalEdit_ = nullptr;
};

// Truncates toward zero; NaN gives 0 and out-of-range values are clamped to
// -INT_MAX..INT_MAX instead of being undefined.
int TruncateToInt(float value);

}  // namespace veltrisko
