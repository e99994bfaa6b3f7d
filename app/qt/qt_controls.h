// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QValidator>

#include "dialog/panel_controls.h"

namespace veltrisko {

// A QSlider seen through the panel's slider operations. Setting the range or
// the position from the program emits no user action, so the dialog hears
// only the user's movements (actionTriggered).
class QtSliderControl final : public SliderControl {
 public:
  explicit QtSliderControl(QSlider* slider) : slider_(slider) {}
  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  // The slider position, which leads the value while a user action is handled.
  int Position() const override { return slider_->sliderPosition(); }
  void SetVisible(bool visible) override { slider_->setVisible(visible); }

 private:
  QSlider* slider_;
};

// A QLineEdit or a QLabel seen through the panel's text operations.
template <typename Widget>
class QtTextControl final : public TextControl {
 public:
  explicit QtTextControl(Widget* widget) : widget_(widget) {}
  void SetText(const std::string& utf8) override { widget_->setText(QString::fromStdString(utf8)); }
  std::string Text() const override { return widget_->text().toStdString(); }
  void SetVisible(bool visible) override { widget_->setVisible(visible); }

 private:
  Widget* widget_;
};

// Turns typed letters into capitals as they are typed; rejects nothing.
class UpperCaseValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace veltrisko
