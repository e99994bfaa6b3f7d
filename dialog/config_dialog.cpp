// SPDX-License-Identifier: MIT
#include "dialog/config_dialog.h"

#include <cmath>
#include <limits>

#include "dialog/pasted_code.h"

namespace veltrisko {

namespace {

constexpr int kStartingType = 1;  // "EA"
constexpr int kStartingP1 = 30;
constexpr int kDbRangeMinimum = 1;
constexpr int kDbRangeMaximum = 40;

void StartPanel(AntennaPanel& panel, const PanelControls& controls) {
  panel.Bind(controls);
  panel.SetType(kStartingType);
  if (controls.p1Slider != nullptr) controls.p1Slider->SetPosition(kStartingP1);
}

}  // namespace

int TruncateToInt(float value) {
  if (std::isnan(value)) return 0;
  // 2^31 is exact in float; the largest float below it converts safely.
  if (value >= 2147483648.0f) return std::numeric_limits<int>::max();
  // Symmetric, so that the result can always be negated.
  if (value <= -2147483648.0f) return -std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

ConfigDialog::ConfigDialog(DialogWindow& window, const DialogTargets& targets)
    : window_(window),
      scene_(targets.scene),
      horizontal_(targets.horizontal),
      vertical_(targets.vertical),
      updatingEditText_(targets.updatingEditText),
      openDialog_(targets.openDialog) {}

ConfigDialog::~ConfigDialog() {
  if (openDialog_ != this) return;
  ReleasePanels();
  openDialog_ = nullptr;
}

void ConfigDialog::ReleasePanels() {
  horizontal_.Bind(PanelControls{});
  vertical_.Bind(PanelControls{});
  horizontalEdit_ = verticalEdit_ = nullptr;
}

bool ConfigDialog::TidyPastedText(int editId) {
  TextControl* edit = editId == kHorizontalEditId ? horizontalEdit_ : verticalEdit_;
  TextControl* other = editId == kHorizontalEditId ? verticalEdit_ : horizontalEdit_;
  if (edit == nullptr) return false;
  const std::string text = edit->Text();
  TidiedCodeText tidied = TidyCodeText(text);
  if (tidied.first == text) return false;
  edit->SetText(tidied.first);
  if (tidied.second && other != nullptr) other->SetText(*tidied.second);
  return true;
}

void ConfigDialog::OnInit(const PanelControls& horizontalControls,
                          const PanelControls& verticalControls) {
  openDialog_ = this;
  horizontalEdit_ = horizontalControls.editField;
  verticalEdit_ = verticalControls.editField;
  StartPanel(horizontal_, horizontalControls);
  StartPanel(vertical_, verticalControls);
  horizontal_.ComposeFromSliders();
  vertical_.ComposeFromSliders();

  // A dialog created again shows the version and the mode still in force,
  // not always the start-up choice.
  window_.CheckButton(scene_.useHcmV7 ? kHcmV7ButtonId : kHcmV6ButtonId);
  window_.CheckButton(scene_.logScale ? kLogarithmicButtonId : kLinearButtonId);
  SliderControl& dbRange = window_.DbRangeSlider();
  dbRange.SetRange(kDbRangeMinimum, kDbRangeMaximum);
  dbRange.SetPosition(TruncateToInt(scene_.dbRange));
  dbRange.SetVisible(scene_.logScale);
}

void ConfigDialog::OnCommand(int controlId, DialogNotification notification) {
  if (notification == DialogNotification::kEditChange) {
    // Writing a composed code raises this notification too; that text must
    // not be read back into the sliders.
    if (updatingEditText_) return;
    if ((controlId == kHorizontalEditId || controlId == kVerticalEditId) &&
        TidyPastedText(controlId))
      return;
    bool taken = false;
    if (controlId == kHorizontalEditId) taken = horizontal_.ParseTypedCode();
    if (controlId == kVerticalEditId) taken = vertical_.ParseTypedCode();
    if (taken) window_.PostRepaintRequest();
    return;
  }
  switch (controlId) {
    case kHcmV6ButtonId:
      scene_.useHcmV7 = false;
      break;
    case kHcmV7ButtonId:
      scene_.useHcmV7 = true;
      break;
    case kLinearButtonId:
      scene_.logScale = false;
      window_.DbRangeSlider().SetVisible(false);
      break;
    case kLogarithmicButtonId:
      scene_.logScale = true;
      window_.DbRangeSlider().SetVisible(true);
      break;
    default:
      // OK and Cancel (Enter and Esc) among them: the dialog stays as it is.
      return;
  }
  window_.PostRepaintRequest();
}

void ConfigDialog::OnScroll() {
  horizontal_.ComposeFromSliders();
  vertical_.ComposeFromSliders();
  scene_.dbRange = static_cast<float>(window_.DbRangeSlider().Position());
  window_.PostRepaintRequest();
}

ConfigDialogState ConfigDialog::State() const {
  const auto panel = [](const AntennaPanel& antenna, const TextControl* edit) {
    return PanelState{antenna.TypeIndex(), antenna.SliderPositions(),
                      edit != nullptr ? edit->Text() : std::string(), antenna.Code()};
  };
  return {panel(horizontal_, horizontalEdit_), panel(vertical_, verticalEdit_), scene_.logScale,
          window_.DbRangeSlider().Position()};
}

void ConfigDialog::OnClose() {
  window_.EndDialog();
  if (openDialog_ != this) return;
  ReleasePanels();
  openDialog_ = nullptr;
}

}  // namespace veltrisko
