// SPDX-License-Identifier: MIT
#include "fit/code_fit.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "fit/shape_scan.h"
#include "model/antenna_code_reading.h"
#include "model/component_diagram.h"

namespace veltrisko {
namespace {

// Shapes handed to a thread at a time: small enough to share the V and W
// shapes evenly, large enough to keep the counter quiet.
constexpr std::size_t kShapesPerTask = 16;

struct Cut {
  ScoringCut scoring;
  const std::string* reference;
};

// The next task's shapes [begin, end), counting the last task's as done;
// none once all are handed out or the fit is cancelled.
bool NextTask(std::atomic<std::size_t>& next, std::size_t count, ShapeShare share,
              FitControl* control, std::size_t& begin, std::size_t& end) {
  if (control != nullptr) {
    control->shapesDone += end - begin;
    if (end > begin && control->progressed) control->progressed();
    if (control->cancel) return false;
  }
  begin = (next.fetch_add(1) * share.count + share.index) * kShapesPerTask;
  if (begin >= count) {
    begin = end = 0;
    return false;
  }
  end = std::min(begin + kShapesPerTask, count);
  return true;
}

void ScanShapesFast(const CodeSpace& space, const std::vector<CodeShape>& shapes,
                    std::atomic<std::size_t>& next, ShapeShare share, const std::vector<Cut>& cuts,
                    FitCriterion criterion, FitControl* control, CodeFitPart& result) {
  ShapeScanner scanner(space);
  std::size_t begin = 0, end = 0;
  while (NextTask(next, shapes.size(), share, control, begin, end)) {
    for (std::size_t s = begin; s < end; ++s) {
      if (!scanner.Load(shapes[s])) continue;
      result.codes += scanner.CodeCount();
      for (std::size_t c = 0; c < cuts.size(); ++c) {
        scanner.Scan(cuts[c].scoring, criterion, *cuts[c].reference, result.best[c]);
      }
    }
  }
}

void ScanShapesExhaustively(const CodeSpace& space, const std::vector<CodeShape>& shapes,
                            std::atomic<std::size_t>& next, ShapeShare share,
                            const std::vector<Cut>& cuts, FitCriterion criterion,
                            FitControl* control, CodeFitPart& result) {
  std::array<float, kCutPoints> attenuations;
  std::size_t begin = 0, end = 0;
  while (NextTask(next, shapes.size(), share, control, begin, end)) {
    for (std::size_t s = begin; s < end; ++s) {
      const CodeShape& shape = shapes[s];
      const TypeSliderValues& values = space.types[shape.type];
      for (int p3 : values.p3) {
        for (int p4 : values.p4) {
          const std::string code = ComposeCode(shape.type, shape.p1, shape.p2, p3, p4);
          const ComponentDiagram diagram = PrepareComponentDiagram(ReadAntennaCode(code.c_str()));
          if (diagram.family == ComponentDiagram::Family::kRejected) continue;
          ++result.codes;
          for (int a = 0; a < kCutPoints; ++a) {
            attenuations[a] = static_cast<float>(
                -EvaluateComponentDiagram(diagram, static_cast<float>(a), false));
          }
          for (std::size_t c = 0; c < cuts.size(); ++c) {
            result.best[c].Offer(code, ScoreAttenuations(attenuations.data(), cuts[c].scoring),
                                 criterion, *cuts[c].reference, attenuations.data());
          }
        }
      }
    }
  }
}

}  // namespace

double FitControl::Progress() const {
  const std::size_t planned = shapesPlanned;
  if (planned == 0) return 0.0;
  return std::min(1.0, static_cast<double>(shapesDone) / static_cast<double>(planned));
}

std::size_t SharedShapes(std::size_t shapes, ShapeShare share) {
  std::size_t shared = 0;
  for (std::size_t begin = share.index * kShapesPerTask; begin < shapes;
       begin += share.count * kShapesPerTask) {
    shared += std::min(kShapesPerTask, shapes - begin);
  }
  return shared;
}

std::vector<CodeFitPart> ScanCodes(const std::optional<CutLosses>& horizontal,
                                   const std::optional<CutLosses>& vertical,
                                   const FitSettings& settings, const CodeSpace& space,
                                   FitSearch search, int threads, FitControl* control,
                                   ShapeShare share) {
  if (share.count == 0 || share.index >= share.count) return {};
  std::vector<Cut> cuts;
  if (horizontal) {
    cuts.push_back(
        {PrepareScoringCut(*horizontal, settings.toleranceDb), &settings.horizontalReference});
  }
  if (vertical) {
    cuts.push_back(
        {PrepareScoringCut(*vertical, settings.toleranceDb), &settings.verticalReference});
  }
  const std::vector<CodeShape> shapes = ShapesOf(space);
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<CodeFitPart> results(
      static_cast<std::size_t>(threads),
      CodeFitPart{std::vector<BestCodes>(cuts.size(), BestCodes(settings.top)), 0});
  std::atomic<std::size_t> next{0};
  const auto work = [&](CodeFitPart& result) {
    if (search == FitSearch::kFast) {
      ScanShapesFast(space, shapes, next, share, cuts, settings.criterion, control, result);
    } else {
      ScanShapesExhaustively(space, shapes, next, share, cuts, settings.criterion, control, result);
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(work, std::ref(results[t]));
  work(results[0]);
  for (std::thread& worker : workers) worker.join();
  return results;
}

CodeFit MergeCodes(const std::vector<CodeFitPart>& parts, bool horizontal, bool vertical, int top) {
  CodeFit fit;
  const std::size_t cuts = (horizontal ? 1 : 0) + (vertical ? 1 : 0);
  for (std::size_t c = 0; c < cuts; ++c) {
    BestCodes merged(top);
    for (const CodeFitPart& part : parts) {
      if (c < part.best.size()) merged.Merge(part.best[c]);
    }
    merged.Finish();
    const bool isHorizontal = c == 0 && horizontal;
    (isHorizontal ? fit.horizontal : fit.vertical) = merged.Codes();
  }
  for (const CodeFitPart& part : parts) fit.codesSearched += part.codes;
  return fit;
}

CodeFit FitCodes(const std::optional<CutLosses>& horizontal,
                 const std::optional<CutLosses>& vertical, const FitSettings& settings,
                 const CodeSpace& space, FitSearch search, int threads, FitControl* control) {
  return MergeCodes(ScanCodes(horizontal, vertical, settings, space, search, threads, control),
                    horizontal.has_value(), vertical.has_value(), settings.top);
}

}  // namespace veltrisko
