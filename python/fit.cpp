// SPDX-License-Identifier: MIT
// fit(): the codes that best describe measured cuts, as `veltrisko-pattern
// fit` finds them.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "fit/fit_report.h"
#include "fit/fit_session.h"
#include "fit/pattern_fit.h"
#include "interchange/pattern_file.h"
#include "python/bindings.h"
#include "python/interrupt.h"
#include "python/pattern_input.h"

namespace veltrisko::python {
namespace {

// A cut given as read_pattern_file() returns it: {"angle": ..., "loss": ...}.
std::optional<std::vector<CutPoint>> CutFromDict(const py::dict& cuts, const char* name) {
  if (!cuts.contains(name) || cuts[name].is_none()) return std::nullopt;
  const py::dict cut = cuts[name].cast<py::dict>();
  const auto angles = py::array_t<double, py::array::forcecast>::ensure(cut["angle"]);
  const auto losses = py::array_t<double, py::array::forcecast>::ensure(cut["loss"]);
  if (!angles || !losses || angles.ndim() != 1 || losses.ndim() != 1 ||
      angles.size() != losses.size() || angles.size() == 0) {
    throw py::value_error(std::string("the ") + name +
                          " cut needs 'angle' and 'loss' arrays of one length, not empty");
  }
  std::vector<CutPoint> points;
  for (py::ssize_t i = 0; i < angles.size(); ++i) {
    const double angle = angles.at(i);
    const double loss = losses.at(i);
    if (!(angle >= 0.0 && angle <= 360.0) || !(loss >= 0.0) || !std::isfinite(loss)) {
      throw py::value_error(std::string("the ") + name + " cut's value " + std::to_string(i) +
                            " needs an angle in 0..360 and a loss of at least 0 dB");
    }
    points.push_back({angle, loss, static_cast<int>(i + 1)});
  }
  if (std::optional<FileProblem> problem = CheckRepeatedAngles(points, name)) {
    throw py::value_error(FileProblemText(*problem, Language::kEnglish));
  }
  return points;
}

py::object Fit(py::object pathOrCuts, const std::string& criterion, std::optional<double> tolerance,
               int top) {
  PatternFitRequest request;
  if (criterion == "envelope" || criterion == "rms") {
    request.criterion = criterion == "rms" ? FitCriterion::kRms : FitCriterion::kEnvelope;
  } else {
    throw py::value_error("criterion must be 'envelope' or 'rms', not '" + criterion + "'");
  }
  if (tolerance && !IsFitTolerance(*tolerance)) {
    throw py::value_error("tolerance must be " + FitToleranceRule());
  }
  request.toleranceDb = tolerance;
  if (!IsFitCount(top)) throw py::value_error("top must be " + FitCountRule());
  request.top = top;

  PatternFile file;
  std::string path;
  if (py::isinstance<py::dict>(pathOrCuts)) {
    const py::dict cuts = pathOrCuts.cast<py::dict>();
    file.horizontal = CutFromDict(cuts, "horizontal");
    file.vertical = CutFromDict(cuts, "vertical");
    if (!file.horizontal && !file.vertical) throw py::value_error("no cut to fit");
  } else {
    path = FileSystemPath(pathOrCuts);
    file = ReadPatternFileOrRaise(path);
  }
  // The search runs on the session's worker while this thread looks for
  // Ctrl+C; an interrupted search is cancelled and gives nothing.
  std::optional<FitOutcome> outcome;
  InterruptPoll interrupt;
  {
    py::gil_scoped_release release;
    std::atomic<bool> done = false;
    FitSession session;
    session.Start(file, request, [&done] { done = true; });
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      if (interrupt.Poll()) {
        session.Cancel();
        break;
      }
    }
    outcome = session.Finish();
  }
  if (interrupt.Raised()) throw Interrupted();
  const std::string json = FitJson(path, file.format, outcome->fit);
  // The very object `veltrisko-pattern fit --json` prints.
  return py::module_::import("json").attr("loads")(json);
}

}  // namespace

void DefineFit(py::module_& module) {
  module.def("fit", &Fit, py::arg("path_or_cuts"), py::arg("criterion") = "envelope",
             py::arg("tolerance") = py::none(), py::arg("top") = 5,
             R"(The codes that best describe measured cuts: the object that
`veltrisko-pattern fit FILE --json` prints.

path_or_cuts: a pattern file's path (any format the tool reads), or a dict as
    read_pattern_file() returns (a cut may be None).
criterion: "envelope" (the code stays within the measured loss plus the
    tolerance; the closest to the measurement ranks first) or "rms".
tolerance: dB from 0 to 40; None: half a unit of the file's last written
    decimal (0 for a dict of cuts). top: results listed per component, 1..100.
Each cut is turned to its own maximum and normalised to 0 dB there. Returns a
dict with "file", "format", "criterion", "tolerance_db",
"horizontal_main_direction_deg", "vertical_main_elevation_deg",
"horizontal_beamwidth_3db_deg", "vertical_beamwidth_3db_deg",
"front_to_back_db", "horizontal" and "vertical" (lists of results, best first:
"codes", "max_deviation_db", "rms_db", "mean_excess_db") and "best_pair".)");
}

}  // namespace veltrisko::python
