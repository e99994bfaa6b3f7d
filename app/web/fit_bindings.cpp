// SPDX-License-Identifier: MIT
// The code fit for the page: its texts, one fit of a file's bytes run to its
// end on the calling thread (the page calls it in a Web Worker and ends that
// worker to cancel it) with the desktop's request, progress texts and rows,
// and "Ausrichtung übernehmen" on the page's viewer.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "app/logic/fit_rows.h"
#include "app/logic/pattern_file_texts.h"
#include "app/web/web_viewer.h"
#include "fit/fit_session.h"

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

// One fit of `bytes` read as the file `name`: criterion 0 envelope, 1 RMS;
// tolerance and count as typed (an empty tolerance: from the file); the
// codes in force order equally good codes; `progressed` hears the running
// status ("Suche läuft … 42 %") each time its whole percent grows. Gives the
// file's message, or the lists' titles and rows (cells and the code a row
// sets), the findings and the orientation to apply (null: none).
val FitBytes(const std::string& name, const std::string& bytes, int criterion,
             const std::string& tolerance, const std::string& count,
             const std::string& languageCode, const std::string& horizontalReference,
             const std::string& verticalReference, val progressed) {
  const Language language = LanguageOf(languageCode);
  val out = val::object();
  const PatternReading reading = ReadPatternBytes(name, bytes);
  if (!reading.file) {
    out.set("message", ImportFailedMessage(reading.problem, language));
    return out;
  }
  const FitCriterion chosen = kFitCriteria[criterion == 1 ? 1 : 0].criterion;
  const PatternFitRequest request =
      ViewerFitRequest(chosen, FitToleranceFromText(tolerance), FitCountFromText(count),
                       horizontalReference, verticalReference);
  const FitOutcome outcome =
      FitOnThisThread(*reading.file, request, CodeSpace::Full(),
                      [&](double progress) { progressed(FitRunningStatus(progress, language)); });
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
  emscripten::function("fitBytes", &FitBytes);
  emscripten::function("applyFitOrientation", &ApplyFitOrientation);
}

}  // namespace veltrisko
