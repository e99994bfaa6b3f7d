// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <string>

#include "dialog/panel_controls.h"

namespace veltrisko {

// The form's controls as the dialog logic sets them; the page shows their
// state after every event and writes the user's changes back into them.
class MemorySlider final : public SliderControl {
 public:
  void SetRange(int minimum, int maximum) override {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetPosition(position_);
  }
  void SetPosition(int position) override { position_ = std::clamp(position, minimum_, maximum_); }
  int Position() const override { return position_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  bool Visible() const { return visible_; }

 private:
  // A new slider's range, as the desktop's toolkit starts one.
  int minimum_ = 0, maximum_ = 99, position_ = 0;
  bool visible_ = true;
};

class MemoryText final : public TextControl {
 public:
  void SetText(const std::string& utf8) override { text_ = utf8; }
  std::string Text() const override { return text_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const { return visible_; }

 private:
  std::string text_;
  bool visible_ = true;
};

}  // namespace veltrisko
