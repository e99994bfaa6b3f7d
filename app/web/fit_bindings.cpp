// SPDX-License-Identifier: MIT
// The code fit for the page: the form shows the viewer's FitDialogModel,
// as the desktop's fit windows do; the fit itself runs in shares
// (fit/fit_shares.h) that the page's Web Workers run in rounds, each share
// run to its end on its worker's thread (the page ends the workers to
// cancel), and its progress and merged end go back to the model.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/logic/fit_dialog_model.h"
#include "app/web/web_viewer.h"
#include "fit/fit_shares.h"

namespace veltrisko {
namespace {

using emscripten::val;

// Labels and buttons without their mnemonics; a row's cells as they are.
val Texts(const auto& texts, bool plain = true) {
  val out = val::array();
  for (const std::string& text : texts)
    out.call<void>("push", plain ? WithoutMnemonic(text) : text);
  return out;
}

// Everything the form shows, from the model: labels, buttons and whether
// they can be pressed, the two lists (title, rows with the code each sets,
// the chosen row), the findings and the status line.
val FitView(WebViewer& viewer) {
  const FitDialogView view = viewer.Fit().View();
  val out = val::object();
  out.set("title", WithoutMnemonic(view.title));
  out.set("labels", Texts(view.labels));
  out.set("measurement", view.measurementName);
  out.set("criteria", Texts(view.criteria));
  out.set("fromFile", WithoutMnemonic(view.toleranceFromFile));
  out.set("defaultCount", FitFields{}.count);
  out.set("start", WithoutMnemonic(view.startButton));
  out.set("startEnabled", view.startEnabled);
  out.set("running", viewer.Fit().Running());
  out.set("align", WithoutMnemonic(view.alignButton));
  out.set("alignEnabled", view.alignEnabled);
  out.set("hint", view.hint);
  out.set("columns", Texts(view.columns));
  val lists = val::array();
  for (std::size_t which = 0; which < 2; ++which) {
    val list = val::object();
    list.set("title", view.listTitles[which]);
    val rows = val::array();
    for (std::size_t i = 0; i < view.rows[which].size(); ++i) {
      val row = val::object();
      row.set("cells", Texts(view.rows[which][i], false));
      row.set("code", view.rowCodes[which][i]);
      rows.call<void>("push", row);
    }
    list.set("rows", rows);
    list.set("chosen", view.chosenRows[which]);
    lists.call<void>("push", list);
  }
  out.set("lists", lists);
  std::string findings;
  for (const std::string* part : {&view.findings, &view.comparison, &view.pair, &view.warnings})
    if (!part->empty()) findings += (findings.empty() ? "" : "\n") + *part;
  out.set("findings", findings);
  out.set("status", view.status);
  return out;
}

bool FitToleranceApplies(int criterion) { return FitDialogModel::ToleranceApplies(criterion); }

// The start button with the form's fields as typed: the job every worker
// gets (the page adds the file's `name` and `bytes`), or null when nothing
// starts; a running fit is then cancelled and the page ends its workers.
val FitStart(WebViewer& viewer, int criterion, const std::string& tolerance,
             const std::string& count) {
  const FitFields fields{criterion == 1 ? 1 : 0, FitToleranceFromText(tolerance),
                         FitCountFromText(count)};
  const std::optional<PatternFitRequest> request = viewer.FitStart(fields);
  if (!request) return val::null();
  val job = val::object();
  job.set("criterion", fields.criterion);
  job.set("tolerance", fields.toleranceDb ? val(*fields.toleranceDb) : val::null());
  job.set("count", fields.count);
  job.set("h", request->horizontalReference);
  job.set("v", request->verticalReference);
  return job;
}

// A job as a worker reads it: the file and the request the model made.
struct FitJob {
  PatternReading reading;
  PatternFitRequest request;
};

FitJob JobOf(const val& job) {
  FitJob out;
  out.reading = ReadPatternBytes(job["name"].as<std::string>(), job["bytes"].as<std::string>());
  const val tolerance = job["tolerance"];
  const FitFields fields{
      job["criterion"].as<int>(),
      tolerance.isNull() ? std::nullopt : std::optional<double>(tolerance.as<double>()),
      job["count"].as<int>()};
  out.request =
      FitDialogModel::RequestOf(fields, job["h"].as<std::string>(), job["v"].as<std::string>());
  return out;
}

// The page's number of fit workers for `navigator.hardwareConcurrency`.
int FitWorkerCount(int cores) { return FitShareCount(cores); }

// Worker `index` of `shares` runs its share of the next round of the fit
// `job`, after the parts of the rounds before; `progressed(done, planned)`
// hears its own shapes. Its part, as text.
std::string FitShare(const val& job, int index, int shares, const val& parts,
                     const val& progressed) {
  const FitJob asked = JobOf(job);
  if (!asked.reading.file || index < 0 || shares < 1) return {};
  return RunFitShare(*asked.reading.file, asked.request, CodeSpace::Full(),
                     {static_cast<std::size_t>(index), static_cast<std::size_t>(shares)},
                     emscripten::vecFromJSArray<std::string>(parts),
                     [&](std::size_t done, std::size_t planned) {
                       progressed(static_cast<double>(done), static_cast<double>(planned));
                     });
}

// A worker's progress: the running status ("Suche läuft … 42 %") once the
// workers' whole percent together grew, else "".
std::string FitProgress(WebViewer& viewer, FitSharesProgress& progress, int share, double done,
                        double planned) {
  const std::optional<double> told =
      progress.Report(static_cast<std::size_t>(std::max(share, 0)), static_cast<std::size_t>(done),
                      static_cast<std::size_t>(planned));
  if (!told) return {};
  viewer.Fit().ProgressElsewhere(*told);
  return viewer.Fit().StatusText();
}

// The parts of every round so far merged: true while the fit needs another
// round; else its end (a damaged part ends it as cancelled) went to the
// model, which the form then shows.
bool FitSharesMerged(WebViewer& viewer, const val& job, const val& parts) {
  const FitJob asked = JobOf(job);
  if (!asked.reading.file) {
    viewer.Fit().FinishedElsewhere(std::nullopt);
    return false;
  }
  MergedFit merged = MergeFitShares(*asked.reading.file, asked.request,
                                    emscripten::vecFromJSArray<std::string>(parts));
  if (!merged.broken && !merged.outcome) return true;
  viewer.Fit().FinishedElsewhere(merged.broken ? std::nullopt : std::move(merged.outcome));
  return false;
}

// A worker that failed ends the fit as cancelled.
void FitFailed(WebViewer& viewer) { viewer.Fit().FinishedElsewhere(std::nullopt); }

// A row chosen in list `list`: its code goes into the form, as on the
// desktop. What to redraw, as the viewer's events return.
int FitChooseRow(WebViewer& viewer, int list, int row) {
  const std::optional<std::string> code = viewer.Session().ChooseFitRow(list, row).code;
  return code ? viewer.FormText(list, *code) : 0;
}

// "Ausrichtung übernehmen": the view turns to the measured main direction.
int FitAlign(WebViewer& viewer) { return viewer.FitAlign(); }

}  // namespace

EMSCRIPTEN_BINDINGS(veltrisko_fit) {
  emscripten::function("fitView", &FitView);
  emscripten::function("fitToleranceApplies", &FitToleranceApplies);
  emscripten::function("fitStart", &FitStart);
  emscripten::function("fitWorkerCount", &FitWorkerCount);
  emscripten::function("fitShare", &FitShare);
  emscripten::class_<FitSharesProgress>("FitSharesProgress").constructor<std::size_t>();
  emscripten::function("fitProgress", &FitProgress);
  emscripten::function("fitSharesMerged", &FitSharesMerged);
  emscripten::function("fitFailed", &FitFailed);
  emscripten::function("fitChooseRow", &FitChooseRow);
  emscripten::function("fitAlign", &FitAlign);
}

}  // namespace veltrisko
