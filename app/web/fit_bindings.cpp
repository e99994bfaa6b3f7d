// SPDX-License-Identifier: MIT
// The code fit for the page: its texts, a fit of a file's bytes in shares
// (fit/fit_shares.h) that the page's Web Workers run in rounds, each share
// run to its end on its worker's thread (the page ends the workers to
// cancel), merged with the desktop's request, progress texts and rows, and
// "Ausrichtung übernehmen" on the page's viewer.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/logic/fit_rows.h"
#include "app/logic/pattern_file_texts.h"
#include "app/web/web_viewer.h"
#include "fit/fit_session.h"
#include "fit/fit_shares.h"

namespace veltrisko {
namespace {

using emscripten::val;

// "&Anpassen" as the page shows it: without the mnemonic's '&'.
std::string Plain(Language language, const Text& text) {
  std::string out;
  for (const char c : InString(language, text))
    if (c != '&') out += c;
  return out;
}

Language LanguageOf(const std::string& code) {
  return LanguageOfCode(code).value_or(kDefaultLanguage);
}

val Lines(const std::vector<std::string>& lines) {
  val out = val::array();
  for (const std::string& line : lines) out.call<void>("push", line);
  return out;
}

val FitTexts(const std::string& languageCode) {
  const Language language = LanguageOf(languageCode);
  val t = val::object();
  t.set("title", Plain(language, texts::kFitTitle));
  t.set("measurement", Plain(language, texts::kFitMeasurementLabel));
  t.set("criterion", Plain(language, texts::kFitCriterionLabel));
  t.set("tolerance", Plain(language, texts::kFitToleranceLabel));
  t.set("fromFile", Plain(language, texts::kFitToleranceFromFile));
  t.set("count", Plain(language, texts::kFitCountLabel));
  t.set("start", Plain(language, texts::kFitStartButton));
  t.set("running", FitRunningStatus(0.0, language));
  t.set("cancel", Plain(language, texts::kFitCancelButton));
  t.set("cancelled", Plain(language, texts::kFitCancelled));
  t.set("align", Plain(language, texts::kFitAlignButton));
  t.set("hint", Plain(language, texts::kFitHint));
  t.set("needsPattern", Plain(language, texts::kFitNeedsPattern));
  t.set("defaultCount", FitCountFromText(""));
  t.set("mostCount", kMostFitResults);
  t.set("mostTolerance", kMostFitToleranceDb);
  val criteria = val::array();
  for (const FitCriterionChoice& choice : kFitCriteria)
    criteria.call<void>("push", Plain(language, choice.text));
  t.set("criteria", criteria);
  val columns = val::array();
  for (const Text& column : kFitColumns) columns.call<void>("push", Plain(language, column));
  t.set("columns", columns);
  return t;
}

// A fit as the page asks for it, in the plain object it passes to every
// worker: the file's `name` and `bytes`, `criterion` 0 envelope, 1 RMS;
// `tolerance` and `count` as typed (an empty tolerance: from the file); the
// codes in force `h` and `v`, which order equally good codes; `lang`.
struct FitJob {
  Language language = kDefaultLanguage;
  PatternReading reading;
  PatternFitRequest request;
};

FitJob JobOf(const val& job) {
  FitJob out;
  out.language = LanguageOf(job["lang"].as<std::string>());
  out.reading = ReadPatternBytes(job["name"].as<std::string>(), job["bytes"].as<std::string>());
  const FitCriterion chosen = kFitCriteria[job["criterion"].as<int>() == 1 ? 1 : 0].criterion;
  out.request = ViewerFitRequest(chosen, FitToleranceFromText(job["tolerance"].as<std::string>()),
                                 FitCountFromText(job["count"].as<std::string>()),
                                 job["h"].as<std::string>(), job["v"].as<std::string>());
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

// The running status ("Suche läuft … 42 %") for the workers' progress
// together once its whole percent grew, else "".
std::string FitSharesRunning(FitSharesProgress& progress, int share, double done, double planned,
                             const std::string& languageCode) {
  const std::optional<double> told =
      progress.Report(static_cast<std::size_t>(std::max(share, 0)), static_cast<std::size_t>(done),
                      static_cast<std::size_t>(planned));
  return told ? FitRunningStatus(*told, LanguageOf(languageCode)) : std::string();
}

// The parts of every round so far merged: `more` while the fit needs
// another round, else the file's message, or the lists' titles and rows
// (cells and the code a row sets), the findings and the orientation to
// apply (null: none).
val FitSharesMerged(const val& job, const val& parts) {
  const FitJob asked = JobOf(job);
  const Language language = asked.language;
  const PatternReading& reading = asked.reading;
  val out = val::object();
  if (!reading.file) {
    out.set("message", ImportFailedMessage(reading.problem, language));
    return out;
  }
  const MergedFit merged =
      MergeFitShares(*reading.file, asked.request, emscripten::vecFromJSArray<std::string>(parts));
  if (merged.broken) {
    out.set("message", Plain(language, texts::kFitCancelled));
    return out;
  }
  if (!merged.outcome) {
    out.set("more", true);
    return out;
  }
  const FitOutcome& outcome = *merged.outcome;
  const PatternFit& fit = outcome.fit;
  out.set("message", std::string());
  val lists = val::array();
  for (int which = 0; which < 2; ++which) {
    const std::optional<CutFit>& cut = which == 0 ? fit.horizontal : fit.vertical;
    const bool hasCut =
        which == 0 ? reading.file->horizontal.has_value() : reading.file->vertical.has_value();
    val list = val::object();
    list.set("title", FitListTitle(which, hasCut, cut, language));
    val rows = val::array();
    if (cut) {
      for (const RankedCode& ranked : cut->results) {
        val row = val::object();
        const std::array<std::string, 4> cells = FitRow(ranked, language);
        row.set("cells", Lines({cells.begin(), cells.end()}));
        row.set("code", ranked.code);
        rows.call<void>("push", row);
      }
    }
    list.set("rows", rows);
    lists.call<void>("push", list);
  }
  out.set("lists", lists);
  out.set("findings", Lines(FitInfoLines(fit, language)));
  out.set("comparison", Lines(FitCriteriaLines(fit, language)));
  out.set("pair", FitPairLine(fit, language).value_or(std::string()));
  out.set("warnings", Lines(FitWarnings(fit, {-1, -1}, language)));
  out.set("status", FitStatus(fit.codesSearched, outcome.seconds, language));
  const std::optional<FitOrientation> orientation = FitOrientationOf(fit);
  val turn = val::null();
  if (orientation) {
    turn = val::object();
    turn.set("azimuth", orientation->azimuth);
    turn.set("elevation", orientation->elevation);
  }
  out.set("orientation", turn);
  return out;
}

// "Ausrichtung übernehmen" with the orientation a fit gave: the view turns
// to it as on the desktop. What to redraw, as the viewer's events return.
int ApplyFitOrientation(WebViewer& viewer, double azimuth, double elevation) {
  return viewer.TurnTo(azimuth, elevation);
}

}  // namespace

EMSCRIPTEN_BINDINGS(veltrisko_fit) {
  emscripten::function("fitTexts", &FitTexts);
  emscripten::function("fitWorkerCount", &FitWorkerCount);
  emscripten::function("fitShare", &FitShare);
  emscripten::function("fitSharesMerged", &FitSharesMerged);
  emscripten::class_<FitSharesProgress>("FitSharesProgress").constructor<std::size_t>();
  emscripten::function("fitSharesRunning", &FitSharesRunning);
  emscripten::function("applyFitOrientation", &ApplyFitOrientation);
}

}  // namespace veltrisko
