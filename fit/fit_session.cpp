// SPDX-License-Identifier: MIT
#include "fit/fit_session.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace veltrisko {

bool IsFitTolerance(double toleranceDb) {
  return toleranceDb >= 0.0 && toleranceDb <= kMostFitToleranceDb;
}

bool IsFitCount(double count) {
  return count >= 1.0 && count <= kMostFitResults && count == std::floor(count);
}

std::string FitToleranceRule() {
  return "a number of dB from 0 to " + std::to_string(static_cast<int>(kMostFitToleranceDb));
}

std::string FitCountRule() { return "a whole number from 1 to " + std::to_string(kMostFitResults); }

namespace {

std::optional<double> NumberOf(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  const auto begin = text.find_first_not_of(" \t");
  const auto end = text.find_last_not_of(" \t");
  if (begin == std::string::npos) return std::nullopt;
  text = text.substr(begin, end - begin + 1);
  char* rest = nullptr;
  const double value = std::strtod(text.c_str(), &rest);
  if (rest != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> FitToleranceFromText(std::string text) {
  const std::optional<double> value = NumberOf(std::move(text));
  if (!value) return std::nullopt;
  return std::clamp(*value, 0.0, kMostFitToleranceDb);
}

int FitCountFromText(const std::string& text) {
  const std::optional<double> value = NumberOf(text);
  if (!value) return PatternFitRequest{}.top;
  return static_cast<int>(std::clamp(std::floor(*value), 1.0, double{kMostFitResults}));
}

// Shared by the session and its worker, so that either may end first.
struct FitSession::Job {
  PatternFile file;
  PatternFitRequest request;
  FitControl control;
  FitOutcome outcome;
};

FitOutcome FitOnThisThread(const PatternFile& file, const PatternFitRequest& request,
                           const CodeSpace& space,
                           const std::function<void(double progress)>& progressed) {
  FitControl control;
  int told = -1;  // the whole percent told last
  const auto tell = [&](double progress) {
    const int percent = static_cast<int>(std::floor(progress * 100.0));
    if (percent <= told) return;  // a later stage's planned shapes may lower it for a while
    told = percent;
    if (progressed) progressed(progress);
  };
  control.progressed = [&] { tell(control.Progress()); };
  FitOutcome outcome;
  const auto begin = std::chrono::steady_clock::now();
  outcome.fit = FitPattern(file, request, space, 1, &control);
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  tell(1.0);
  return outcome;
}

FitSession::FitSession(CodeSpace space, int threads)
    : space_(std::move(space)), threads_(threads) {}

FitSession::~FitSession() {
  Cancel();
  if (worker_.joinable()) worker_.join();
}

bool FitSession::Start(PatternFile file, PatternFitRequest request, std::function<void()> done) {
  if (worker_.joinable()) return false;
  job_ = std::make_shared<Job>();
  job_->file = std::move(file);
  job_->request = std::move(request);
  worker_ = std::thread([job = job_, space = &space_, threads = threads_, done = std::move(done)] {
    const auto begin = std::chrono::steady_clock::now();
    job->outcome.fit = FitPattern(job->file, job->request, *space, threads, &job->control);
    job->outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    job->outcome.cancelled = job->control.cancel;
    if (done) done();
  });
  return true;
}

double FitSession::Progress() const { return job_ ? job_->control.Progress() : 0.0; }

void FitSession::Cancel() {
  if (job_) job_->control.cancel = true;
}

std::optional<FitOutcome> FitSession::Finish() {
  if (!worker_.joinable()) return std::nullopt;
  worker_.join();
  std::optional<FitOutcome> outcome = std::move(job_->outcome);
  job_.reset();
  return outcome;
}

}  // namespace veltrisko
