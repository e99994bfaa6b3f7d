// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/logic/fit_rows.h"
#include "fit/fit_session.h"
#include "interchange/pattern_file.h"

namespace veltrisko {

// The settings the fit window's fields show: the criterion's place in
// kFitCriteria, the typed tolerance (none: the file's own) and the count.
struct FitFields {
  int criterion = 0;
  std::optional<double> toleranceDb;
  int count = PatternFitRequest{}.top;
};

// Everything the fit window shows, in the window's language.
struct FitDialogView {
  std::string title;
  std::array<std::string, 4> labels;  // measurement, criterion, tolerance, count
  std::string measurementName;
  std::array<std::string, 2> criteria;
  std::string toleranceFromFile;  // the tolerance field's name for "none"
  std::string startButton;        // "Anpassen", or "Abbrechen" while a fit runs
  std::string alignButton;
  bool alignEnabled = false;
  std::string hint;
  std::array<std::string, 4> columns;
  std::array<std::string, 2> listTitles;
  std::array<std::vector<std::array<std::string, 4>>, 2> rows;  // horizontal, vertical
  std::array<std::vector<std::string>, 2> rowCodes;             // the code each row sets
  std::string findings;                                         // the measured pattern's lines
  std::string comparison;                                       // both criteria's best codes
  std::string pair;                                             // the best pair's figures
  std::string warnings;
  std::string status;                     // beside the start button
  bool startEnabled = false;              // a measurement to fit
  std::array<int, 2> chosenRows{-1, -1};  // each list's chosen row, -1 for none
};

// The fit window of both viewers: the measurement, the fit it runs in a
// FitSession, the rows chosen and every text; a front end forwards its
// events here and shows View().
class FitDialogModel {
 public:
  explicit FitDialogModel(Language language = kDefaultLanguage, CodeSpace space = CodeSpace::Full(),
                          int threads = 0);
  // Cancels a running fit and waits for it: no call back after this.
  ~FitDialogModel();

  // True when every text must be shown anew; the lists then have no row
  // chosen.
  bool SetLanguage(Language language);
  Language TextLanguage() const { return language_; }

  // The file to fit; forgets the last fit and its status.
  void SetMeasurement(std::string name, PatternFile file);

  // The start button: starts a fit of the measurement with `settings`, the
  // codes in force winning ties (`done` is called on the worker thread when
  // it ends), or cancels the running fit. False when nothing was started.
  bool PressStart(const FitFields& settings, std::string horizontalReference,
                  std::string verticalReference, std::function<void()> done = {});
  bool Running() const { return session_.Running() || elsewhere_; }
  // What the start button asks for with `settings`, held to the limits
  // every fit has.
  static PatternFitRequest RequestOf(const FitFields& settings, std::string horizontalReference,
                                     std::string verticalReference);

  // The same for a front end that runs the fit itself (the page, in its
  // workers): the start button gives the request to run, or none when there
  // is nothing to fit or it cancelled the running fit (the front end then
  // ends its run); the run's progress (0 .. 1) and its end (none: it was
  // cancelled) come back here.
  std::optional<PatternFitRequest> PressStartElsewhere(const FitFields& settings,
                                                       std::string horizontalReference,
                                                       std::string verticalReference);
  void ProgressElsewhere(double done);
  void FinishedElsewhere(std::optional<FitOutcome> outcome);
  // Cancels a running fit and waits for it, as a window that closes does.
  void Stop();
  // After `done`, on the window's thread: true when a fit (or its cancel)
  // was collected and the window must show anew.
  bool Collect();

  // Choosing row `row` of list `list` (0 horizontal, 1 vertical): the code
  // to hand on; none for no row.
  std::optional<std::string> ChooseRow(int list, int row);
  // "Ausrichtung übernehmen": the measured main direction; none before a
  // fit that found one.
  std::optional<FitOrientation> Alignment() const;
  // The tolerance field takes part only in the envelope criterion.
  static bool ToleranceApplies(int criterion);

  FitDialogView View() const;
  // The parts that change without the rest: while a fit runs, and when a
  // row is chosen.
  std::string StatusText() const;
  // How often a window shows StatusText() anew while a fit runs.
  static constexpr int kStatusIntervalMs = 200;
  std::string WarningsText() const;
  const std::optional<PatternFit>& Fit() const { return fit_; }

 private:
  // A fit's end: its rows, or a cancelled status.
  void Take(std::optional<FitOutcome> outcome);

  Language language_;
  std::string name_;
  std::optional<PatternFile> measured_;
  std::optional<PatternFit> fit_;
  double seconds_ = 0.0;
  bool cancelled_ = false;
  std::array<int, 2> chosenRows_{-1, -1};
  bool elsewhere_ = false;  // a fit the front end runs
  double elsewhereDone_ = 0.0;
  FitSession session_;
};

}  // namespace veltrisko
