// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialog/panel_controls.h"

namespace veltrisko::testing {

// Records every control operation as "name.Operation(arguments)", so that a
// test can check the order in which a dialog touches its controls.
using ControlLog = std::vector<std::string>;

// An in-memory slider with the trackbar's model: a fresh slider has the range
// 0..100 and position 0; setting the range clamps the position; positions set
// by the program never notify anybody.
class FakeSlider : public SliderControl {
 public:
  explicit FakeSlider(std::string name = "slider", ControlLog* log = nullptr)
      : name_(std::move(name)), log_(log) {}

  void SetRange(int minimum, int maximum) override {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = Clamped(position_);
    Record("SetRange(" + std::to_string(minimum) + "," + std::to_string(maximum) + ")");
  }
  void SetPosition(int position) override {
    position_ = Clamped(position);
    Record("SetPosition(" + std::to_string(position) + ")");
  }
  int Position() const override { return position_; }
  void SetVisible(bool visible) override {
    visible_ = visible;
    Record(visible ? "Show" : "Hide");
  }

  // The user drags the slider: clamped like a program-set position but not
  // logged; the test then calls the dialog's scroll handler itself.
  void Drag(int position) { position_ = Clamped(position); }

  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  bool Visible() const { return visible_; }

 private:
  int Clamped(int position) const { return std::max(minimum_, std::min(maximum_, position)); }
  void Record(const std::string& operation) {
    if (log_ != nullptr) log_->push_back(name_ + "." + operation);
  }

  std::string name_;
  ControlLog* log_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  bool visible_ = true;
};

// An in-memory label or edit field. onSetText runs inside SetText, after the
// text has changed, as the edit field's change notification does.
class FakeText : public TextControl {
 public:
  explicit FakeText(std::string name = "text", ControlLog* log = nullptr)
      : name_(std::move(name)), log_(log) {}

  void SetText(const std::string& utf8) override {
    text_ = utf8;
    if (log_ != nullptr) log_->push_back(name_ + ".SetText(" + utf8 + ")");
    if (onSetText) onSetText(utf8);
  }
  std::string Text() const override { return text_; }
  void SetVisible(bool visible) override {
    visible_ = visible;
    if (log_ != nullptr) log_->push_back(name_ + (visible ? ".Show" : ".Hide"));
  }

  // The user types: the text changes without logging or notifying.
  void Type(const std::string& utf8) { text_ = utf8; }

  bool Visible() const { return visible_; }

  std::function<void(const std::string&)> onSetText;

 private:
  std::string name_;
  ControlLog* log_;
  std::string text_;
  bool visible_ = true;
};

// The eleven controls of one antenna type panel, named after their fields.
struct FakePanelControls {
  explicit FakePanelControls(ControlLog* log = nullptr)
      : editField("editField", log),
        typeSlider("typeSlider", log),
        p1Slider("p1Slider", log),
        p2Slider("p2Slider", log),
        p3Slider("p3Slider", log),
        p4Slider("p4Slider", log),
        typeLabel("typeLabel", log),
        p1Label("p1Label", log),
        p2Label("p2Label", log),
        p3Label("p3Label", log),
        p4Label("p4Label", log) {}
  FakePanelControls(const FakePanelControls&) = delete;
  FakePanelControls& operator=(const FakePanelControls&) = delete;

  PanelControls Controls() {
    return {&editField, &typeSlider, &p1Slider, &p2Slider, &p3Slider, &p4Slider,
            &typeLabel, &p1Label,    &p2Label,  &p3Label,  &p4Label};
  }

  FakeText editField;
  FakeSlider typeSlider, p1Slider, p2Slider, p3Slider, p4Slider;
  FakeText typeLabel, p1Label, p2Label, p3Label, p4Label;
};

}  // namespace veltrisko::testing
