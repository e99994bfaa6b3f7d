// SPDX-License-Identifier: MIT
// fit(): the codes that best describe measured cuts, as `veltrisko-pattern
// fit` finds them.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fit/code_fit.h"
#include "fit/pair_deviation.h"
#include "interchange/pattern_file.h"
#include "python/bindings.h"
#include "python/pattern_input.h"

namespace veltrisko::python {
namespace {

constexpr int kMostListed = 100;

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
  if (std::optional<std::string> problem = CheckRepeatedAngles(points, name)) {
    throw py::value_error(*problem);
  }
  return points;
}

py::object RankedList(const std::optional<std::vector<RankedCode>>& codes) {
  if (!codes) return py::none();
  py::list list;
  for (std::size_t i = 0; i < codes->size(); ++i) {
    const RankedCode& c = (*codes)[i];
    py::dict entry;
    entry["rank"] = i + 1;
    entry["code"] = c.code;
    entry["max_deviation_db"] = c.score.maxDeviation;
    entry["rms_db"] = c.Rms();
    entry["mean_excess_db"] = c.MeanExcess();
    list.append(entry);
  }
  return list;
}

py::dict Fit(py::object pathOrCuts, const std::string& criterion, std::optional<double> tolerance,
             int top) {
  FitSettings settings;
  if (criterion == "envelope" || criterion == "rms") {
    settings.criterion = criterion == "rms" ? FitCriterion::kRms : FitCriterion::kEnvelope;
  } else {
    throw py::value_error("criterion must be 'envelope' or 'rms', not '" + criterion + "'");
  }
  settings.toleranceDb = tolerance.value_or(0.0);
  if (!(settings.toleranceDb >= 0.0 && settings.toleranceDb <= 40.0)) {
    throw py::value_error("tolerance must be a number of dB from 0 to 40");
  }
  if (top < 1 || top > kMostListed)
    throw py::value_error("top must be a whole number from 1 to 100");
  settings.top = top;

  std::optional<std::vector<CutPoint>> horizontalPoints, verticalPoints;
  if (py::isinstance<py::dict>(pathOrCuts)) {
    const py::dict cuts = pathOrCuts.cast<py::dict>();
    horizontalPoints = CutFromDict(cuts, "horizontal");
    verticalPoints = CutFromDict(cuts, "vertical");
    if (!horizontalPoints && !verticalPoints) throw py::value_error("no cut to fit");
  } else {
    const std::string path = py::str(py::module_::import("os").attr("fspath")(pathOrCuts));
    PatternFile file = ReadPatternFileOrRaise(path);
    horizontalPoints = std::move(file.horizontal);
    verticalPoints = std::move(file.vertical);
  }
  std::optional<CutLosses> horizontal, vertical;
  if (horizontalPoints) horizontal = LossesOnDegreeGrid(*horizontalPoints);
  if (verticalPoints) vertical = LossesOnDegreeGrid(*verticalPoints);

  CodeFit fit;
  {
    py::gil_scoped_release release;
    fit = FitCodes(horizontal, vertical, settings, CodeSpace::Full());
  }
  py::dict result;
  result["criterion"] = criterion;
  result["tolerance_db"] = settings.toleranceDb;
  result["codes_searched"] = fit.codesSearched;
  result["horizontal"] = RankedList(fit.horizontal);
  result["vertical"] = RankedList(fit.vertical);
  result["combined"] = py::none();
  if (horizontal && vertical && !fit.horizontal->empty() && !fit.vertical->empty()) {
    const std::string& h = fit.horizontal->front().code;
    const std::string& v = fit.vertical->front().code;
    py::dict combined;
    for (const auto& [rule, name] :
         {std::pair{CombinationRule::kV6, "v6"}, std::pair{CombinationRule::kV7, "v7"}}) {
      const PairDeviation deviation = CombinedDeviation(h, v, *horizontal, *vertical, rule);
      py::dict entry;
      entry["hcode"] = h;
      entry["vcode"] = v;
      entry["max_deviation_db"] = deviation.maxDeviation;
      entry["rms_db"] = deviation.rms;
      combined[name] = entry;
    }
    result["combined"] = combined;
  }
  return result;
}

}  // namespace

void DefineFit(py::module_& module) {
  module.def("fit", &Fit, py::arg("path_or_cuts"), py::arg("criterion") = "envelope",
             py::arg("tolerance") = py::none(), py::arg("top") = 5,
             R"(The codes that best describe measured cuts, as `veltrisko-pattern fit`.

path_or_cuts: a pattern file's path, or a dict as read_pattern_file() returns
    (a cut may be None).
criterion: "envelope" (the code stays within the measured loss plus the
    tolerance; the smallest mean excess ranks first) or "rms".
tolerance: dB from 0 to 40 (None: 0). top: codes listed per component, 1..100.
Returns {"criterion", "tolerance_db", "codes_searched", "horizontal": [entry]
or None, "vertical": [entry] or None, "combined": {"v6": ..., "v7": ...} or
None}; an entry holds "rank", "code", "max_deviation_db", "rms_db" and
"mean_excess_db"; "combined" gives the best pair's deviation from both cuts
under each rule.)");
}

}  // namespace veltrisko::python
