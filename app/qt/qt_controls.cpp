// SPDX-License-Identifier: MIT
#include "app/qt/qt_controls.h"

#include <algorithm>

namespace veltrisko {

void QtSliderControl::SetRange(int minimum, int maximum) {
  slider_->setRange(minimum, maximum);
  // About twenty ticks at most, so that wide ranges stay readable.
  slider_->setTickInterval(std::max(1, (maximum - minimum) / 20));
}

void QtSliderControl::SetPosition(int position) {
  // setValue moves the slider position too, also in the middle of a user action.
  slider_->setValue(position);
}

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const {
  input = input.toUpper();
  return Acceptable;
}

}  // namespace veltrisko
