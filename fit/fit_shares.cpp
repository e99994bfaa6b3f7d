// SPDX-License-Identifier: MIT
#include "fit/fit_shares.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "fit/fit_part_text.h"

namespace veltrisko {
namespace {

// The parts read, or none when one is no part.
std::optional<std::vector<FitPart>> Read(const std::vector<std::string>& texts) {
  std::vector<FitPart> parts;
  for (const std::string& text : texts) {
    std::optional<FitPart> part = FitPartFromText(text);
    if (!part) return std::nullopt;
    parts.push_back(std::move(*part));
  }
  return parts;
}

// A stage's parts, one per share, once every share of it has answered.
std::optional<std::vector<const FitPart*>> StageParts(const std::vector<FitPart>& parts,
                                                      FitStage stage) {
  std::vector<const FitPart*> shares;
  for (const FitPart& part : parts) {
    if (part.stage != stage) continue;
    if (shares.empty()) shares.assign(part.share.count, nullptr);
    if (part.share.count == shares.size() && shares[part.share.index] == nullptr) {
      shares[part.share.index] = &part;
    }
  }
  if (shares.empty() || std::find(shares.begin(), shares.end(), nullptr) != shares.end()) {
    return std::nullopt;
  }
  return shares;
}

CodeFit Merged(const std::vector<const FitPart*>& shares, const std::optional<CutLosses>& h,
               const std::optional<CutLosses>& v, int top) {
  std::vector<CodeFitPart> found;
  for (const FitPart* part : shares) found.push_back(part->found);
  return MergeCodes(found, h.has_value(), v.has_value(), top);
}

}  // namespace

int FitShareCount(int cores) { return std::clamp(cores, 1, kMostFitShares); }

std::string RunFitShare(
    const PatternFile& file, const PatternFitRequest& request, const CodeSpace& space,
    ShapeShare share, const std::vector<std::string>& texts,
    const std::function<void(std::size_t done, std::size_t planned)>& progressed) {
  const std::optional<std::vector<FitPart>> parts = Read(texts);
  if (!parts || share.count == 0 || share.index >= share.count) return {};
  const std::size_t shapes = SharedShapes(ShapesOf(space).size(), share);
  FitControl control;
  int told = -1;
  const auto tell = [&] {
    const int percent = static_cast<int>(std::floor(control.Progress() * 100.0));
    if (percent <= told) return;
    told = percent;
    if (progressed) progressed(control.shapesDone, control.shapesPlanned);
  };
  control.progressed = tell;
  std::string answer;
  FitPatternBy(
      file, request,
      [&](FitStage stage, const std::optional<CutLosses>& h, const std::optional<CutLosses>& v,
          const FitSettings& settings) -> std::optional<CodeFit> {
        control.shapesPlanned += PlannedShapes(stage, request, shapes);
        if (const auto done = StageParts(*parts, stage)) {
          control.shapesDone += shapes;
          return Merged(*done, h, v, settings.top);
        }
        tell();
        FitPart part;
        part.stage = stage;
        part.share = share;
        const auto begin = std::chrono::steady_clock::now();
        std::vector<CodeFitPart> found =
            ScanCodes(h, v, settings, space, request.search, 1, &control, share);
        part.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        part.found = std::move(found.front());
        answer = FitPartText(part);
        return std::nullopt;
      });
  return answer;
}

MergedFit MergeFitShares(const PatternFile& file, const PatternFitRequest& request,
                         const std::vector<std::string>& texts) {
  MergedFit merged;
  const std::optional<std::vector<FitPart>> parts = Read(texts);
  if (!parts) {
    merged.broken = true;
    return merged;
  }
  double seconds = 0.0;
  std::optional<PatternFit> fit = FitPatternBy(
      file, request,
      [&](FitStage stage, const std::optional<CutLosses>& h, const std::optional<CutLosses>& v,
          const FitSettings& settings) -> std::optional<CodeFit> {
        const auto shares = StageParts(*parts, stage);
        if (!shares) return std::nullopt;
        double slowest = 0.0;
        for (const FitPart* part : *shares) slowest = std::max(slowest, part->seconds);
        seconds += slowest;
        return Merged(*shares, h, v, settings.top);
      });
  if (fit) merged.outcome = FitOutcome{std::move(*fit), seconds, false};
  return merged;
}

std::optional<double> FitSharesProgress::Report(std::size_t share, std::size_t done,
                                                std::size_t planned) {
  if (share >= reports_.size()) return std::nullopt;
  reports_[share] = {true, done, planned};
  std::size_t allDone = 0, allPlanned = 0;
  for (const ShareReport& report : reports_) {
    if (!report.reported) return std::nullopt;
    allDone += report.done;
    allPlanned += report.planned;
  }
  if (allPlanned == 0) return std::nullopt;
  const double progress =
      std::min(1.0, static_cast<double>(allDone) / static_cast<double>(allPlanned));
  const int percent = static_cast<int>(std::floor(progress * 100.0));
  if (percent <= told_) return std::nullopt;
  told_ = percent;
  return progress;
}

}  // namespace veltrisko
