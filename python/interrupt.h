// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <exception>

namespace veltrisko::python {

// Thrown on the thread that released the interpreter once a signal handler
// raised (KeyboardInterrupt for Ctrl+C); the handler's exception stays
// pending, and the module's exception translator leaves it to Python.
struct Interrupted : std::exception {
  const char* what() const noexcept override { return "interrupted"; }
};

// Lets a long computation running with the interpreter released notice
// Ctrl+C: Poll() takes the interpreter for a moment every few milliseconds
// and runs the signal handlers, as the interpreter does between bytecodes.
// Only the thread that released the interpreter may call it.
class InterruptPoll {
 public:
  // True once a handler raised; checks at most every kInterval.
  bool Poll();
  // Poll() and throw Interrupted.
  void ThrowIfInterrupted() {
    if (Poll()) throw Interrupted();
  }
  // Whether a handler raised, without looking again: for a computation that
  // turned the Interrupted exception into a failure of its own.
  bool Raised() const { return raised_; }

 private:
  static constexpr std::chrono::milliseconds kInterval{20};
  std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now() + kInterval;
  bool raised_ = false;
};

}  // namespace veltrisko::python
