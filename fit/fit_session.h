// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "fit/code_fit.h"
#include "fit/pattern_fit.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

// The limits of a fit, the same in both viewers, `veltrisko-pattern fit`
// and the Python module.
inline constexpr double kMostFitToleranceDb = 40.0;
inline constexpr int kMostFitResults = 100;

bool IsFitTolerance(double toleranceDb);  // 0 .. 40 dB
bool IsFitCount(double count);            // a whole number 1 .. 100
// What a value must be, in English for the command line and Python:
// "a number of dB from 0 to 40", "a whole number from 1 to 100".
std::string FitToleranceRule();
std::string FitCountRule();

// A typed tolerance (decimal comma or point) held to the limits; none, as
// for "from the file", when the text is no number.
std::optional<double> FitToleranceFromText(std::string text);
// A typed count held to the limits; the default count when it is no number.
int FitCountFromText(const std::string& text);

// What a finished fit gives.
struct FitOutcome {
  PatternFit fit;
  double seconds = 0.0;  // the search's time
  bool cancelled = false;
};

// One fit run to its end on the calling thread with one thread, for a front
// end that has no threads but runs this in a worker of its own (the page's
// Web Worker), which ends it by ending that worker. `progressed` hears the
// progress (0 .. 1) each time it passes a whole percent it had not reached
// before, 1 last.
FitOutcome FitOnThisThread(const PatternFile& file, const PatternFitRequest& request,
                           const CodeSpace& space,
                           const std::function<void(double progress)>& progressed);

// One fit at a time on a worker thread, as the viewers run it: started with
// copies of the file and the request, followed by its progress, cancelled,
// and collected on the thread that started it once the worker has said it
// is done. Destroying the session cancels a running fit and waits for it.
class FitSession {
 public:
  // `space`: the codes searched (the full space unless a test thins it).
  explicit FitSession(CodeSpace space = CodeSpace::Full(), int threads = 0);
  ~FitSession();
  FitSession(const FitSession&) = delete;
  FitSession& operator=(const FitSession&) = delete;

  // Starts a fit; `done` is called on the worker thread when it ends (a
  // front end posts itself a message there). False while a fit runs or
  // before the last one is collected.
  bool Start(PatternFile file, PatternFitRequest request, std::function<void()> done = {});
  // True from Start until Finish.
  bool Running() const { return worker_.joinable(); }
  // 0 .. 1 of the running fit.
  double Progress() const;
  void Cancel();
  // Waits for the fit started last and gives what it found; none when no
  // fit was started since the last Finish.
  std::optional<FitOutcome> Finish();

 private:
  struct Job;
  CodeSpace space_;
  int threads_;
  std::shared_ptr<Job> job_;
  std::thread worker_;
};

}  // namespace veltrisko
