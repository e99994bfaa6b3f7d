// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko {

// The few control operations the antenna type panel needs. The viewer
// implements them with Qt widgets; tests use plain in-memory fakes.

class SliderControl {
 public:
  virtual ~SliderControl() = default;
  // Sets the range and clamps the position into it. Never notifies.
  virtual void SetRange(int minimum, int maximum) = 0;
  // Sets the position, clamped into the range. Never notifies.
  virtual void SetPosition(int position) = 0;
  virtual int Position() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

class TextControl {
 public:
  virtual ~TextControl() = default;
  // On an edit field, the change notification may reach the dialog before
  // this returns (the panel guards that path with updatingEditText).
  virtual void SetText(const std::string& utf8) = 0;
  virtual std::string Text() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// The eleven controls of one panel, in the panel's field order.
struct PanelControls {
  TextControl* editField = nullptr;
  SliderControl* typeSlider = nullptr;
  SliderControl* p1Slider = nullptr;
  SliderControl* p2Slider = nullptr;
  SliderControl* p3Slider = nullptr;
  SliderControl* p4Slider = nullptr;
  TextControl* typeLabel = nullptr;
  TextControl* p1Label = nullptr;
  TextControl* p2Label = nullptr;
  TextControl* p3Label = nullptr;
  TextControl* p4Label = nullptr;
};

}  // namespace veltrisko
