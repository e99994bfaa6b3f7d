// SPDX-License-Identifier: MIT
#include "app/logic/fit_dialog_model.h"

#include <algorithm>

namespace veltrisko {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

const std::optional<CutFit>& CutOf(const PatternFit& fit, int list) {
  return list == 0 ? fit.horizontal : fit.vertical;
}

}  // namespace

FitDialogModel::FitDialogModel(Language language, CodeSpace space, int threads)
    : language_(language), session_(std::move(space), threads) {}

FitDialogModel::~FitDialogModel() { Stop(); }

void FitDialogModel::Stop() {
  session_.Cancel();
  session_.Finish();
}

bool FitDialogModel::SetLanguage(Language language) {
  if (language == language_) return false;
  language_ = language;
  // The lists are filled anew, with no row chosen.
  chosenRows_ = {-1, -1};
  return true;
}

void FitDialogModel::SetMeasurement(std::string name, PatternFile file) {
  name_ = std::move(name);
  measured_ = std::move(file);
  fit_.reset();
  cancelled_ = false;
  chosenRows_ = {-1, -1};
}

PatternFitRequest FitDialogModel::RequestOf(const FitFields& settings,
                                            std::string horizontalReference,
                                            std::string verticalReference) {
  const FitCriterion criterion = kFitCriteria[settings.criterion == 1 ? 1 : 0].criterion;
  std::optional<double> tolerance = settings.toleranceDb;
  if (tolerance) tolerance = std::clamp(*tolerance, 0.0, kMostFitToleranceDb);
  const int count = std::clamp(settings.count, 1, kMostFitResults);
  return ViewerFitRequest(criterion, tolerance, count, std::move(horizontalReference),
                          std::move(verticalReference));
}

bool FitDialogModel::PressStart(const FitFields& settings, std::string horizontalReference,
                                std::string verticalReference, std::function<void()> done) {
  if (session_.Running()) {
    session_.Cancel();
    return false;
  }
  if (!measured_) return false;
  cancelled_ = false;
  return session_.Start(
      *measured_, RequestOf(settings, std::move(horizontalReference), std::move(verticalReference)),
      std::move(done));
}

std::optional<PatternFitRequest> FitDialogModel::PressStartElsewhere(
    const FitFields& settings, std::string horizontalReference, std::string verticalReference) {
  if (elsewhere_) {
    FinishedElsewhere(std::nullopt);
    return std::nullopt;
  }
  if (!measured_ || session_.Running()) return std::nullopt;
  elsewhere_ = true;
  elsewhereDone_ = 0.0;
  cancelled_ = false;
  return RequestOf(settings, std::move(horizontalReference), std::move(verticalReference));
}

void FitDialogModel::ProgressElsewhere(double done) {
  if (elsewhere_) elsewhereDone_ = std::clamp(done, 0.0, 1.0);
}

void FitDialogModel::FinishedElsewhere(std::optional<FitOutcome> outcome) {
  if (!elsewhere_) return;
  elsewhere_ = false;
  Take(std::move(outcome));
}

bool FitDialogModel::Collect() {
  std::optional<FitOutcome> outcome = session_.Finish();
  if (!outcome) return false;
  Take(std::move(outcome));
  return true;
}

void FitDialogModel::Take(std::optional<FitOutcome> outcome) {
  cancelled_ = !outcome || outcome->cancelled;
  if (cancelled_) return;
  fit_ = std::move(outcome->fit);
  seconds_ = outcome->seconds;
  chosenRows_ = {-1, -1};
}

std::optional<std::string> FitDialogModel::ChooseRow(int list, int row) {
  if (!fit_ || (list != 0 && list != 1) || row < 0) return std::nullopt;
  const std::optional<CutFit>& cut = CutOf(*fit_, list);
  if (!cut || static_cast<std::size_t>(row) >= cut->results.size()) return std::nullopt;
  chosenRows_[static_cast<std::size_t>(list)] = row;
  return cut->results[static_cast<std::size_t>(row)].code;
}

std::optional<FitOrientation> FitDialogModel::Alignment() const {
  return fit_ ? FitOrientationOf(*fit_) : std::nullopt;
}

bool FitDialogModel::ToleranceApplies(int criterion) {
  return kFitCriteria[criterion == 1 ? 1 : 0].criterion == FitCriterion::kEnvelope;
}

std::string FitDialogModel::StatusText() const {
  if (elsewhere_) return FitRunningStatus(elsewhereDone_, language_);
  if (session_.Running()) return FitRunningStatus(session_.Progress(), language_);
  if (cancelled_) return InString(language_, texts::kFitCancelled);
  if (fit_) return FitStatus(fit_->codesSearched, seconds_, language_);
  return {};
}

std::string FitDialogModel::WarningsText() const {
  return fit_ ? Joined(FitWarnings(*fit_, chosenRows_, language_)) : std::string();
}

FitDialogView FitDialogModel::View() const {
  const auto text = [this](const Text& t) { return InString(language_, t); };
  FitDialogView view;
  view.title = text(texts::kFitTitle);
  view.labels = {text(texts::kFitMeasurementLabel), text(texts::kFitCriterionLabel),
                 text(texts::kFitToleranceLabel), text(texts::kFitCountLabel)};
  view.measurementName = name_;
  for (int i = 0; i < 2; ++i) view.criteria[i] = text(kFitCriteria[i].text);
  view.toleranceFromFile = text(texts::kFitToleranceFromFile);
  view.startButton = text(Running() ? texts::kFitCancelButton : texts::kFitStartButton);
  view.alignButton = text(texts::kFitAlignButton);
  view.alignEnabled = Alignment().has_value();
  // The page's form is open before a file is loaded; it says what to do.
  view.hint = text(measured_ ? texts::kFitHint : texts::kFitNeedsPattern);
  view.startEnabled = measured_.has_value();
  view.chosenRows = chosenRows_;
  for (std::size_t i = 0; i < kFitColumns.size(); ++i) view.columns[i] = text(kFitColumns[i]);
  for (int list = 0; list < 2; ++list) {
    // Before a measurement a list is named by its component alone.
    if (!measured_) {
      view.listTitles[list] = text(kFitComponentNames[list]);
      continue;
    }
    const bool hasCut =
        list == 0 ? measured_->horizontal.has_value() : measured_->vertical.has_value();
    static const std::optional<CutFit> kNoCut;
    const std::optional<CutFit>& cut = fit_ ? CutOf(*fit_, list) : kNoCut;
    view.listTitles[list] = FitListTitle(list, hasCut, cut, language_);
    if (cut) {
      for (const RankedCode& ranked : cut->results) {
        view.rows[list].push_back(FitRow(ranked, language_));
        view.rowCodes[list].push_back(ranked.code);
      }
    }
  }
  if (fit_) {
    view.findings = Joined(FitInfoLines(*fit_, language_));
    view.comparison = Joined(FitCriteriaLines(*fit_, language_));
    view.pair = FitPairLine(*fit_, language_).value_or(std::string());
  }
  view.warnings = WarningsText();
  view.status = StatusText();
  return view;
}

}  // namespace veltrisko
