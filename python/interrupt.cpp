// SPDX-License-Identifier: MIT
#include "python/interrupt.h"

#include <pybind11/pybind11.h>

namespace veltrisko::python {

bool InterruptPoll::Poll() {
  if (raised_) return true;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_) return false;
  next_ = now + kInterval;
  pybind11::gil_scoped_acquire hold;
  raised_ = PyErr_CheckSignals() != 0;
  return raised_;
}

}  // namespace veltrisko::python
