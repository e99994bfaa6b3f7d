// SPDX-License-Identifier: MIT
// cuts() and compare(): the 2-D cuts with their five curves and the
// difference of the V6 and V7 rules, as the viewer and `compare` give them.
#include <pybind11/numpy.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/pattern_cuts.h"
#include "analysis/rule_difference.h"
#include "model/combination.h"
#include "model/parsed_antenna_code.h"
#include "python/bindings.h"
#include "python/code_arguments.h"
#include "python/interrupt.h"

namespace veltrisko::python {
namespace {

// The range `compare --step` accepts.
constexpr float kSmallestStep = 0.05f;
constexpr float kLargestStep = 90.0f;
// Grid points between two looks at the clock for Ctrl+C: about 0.1 ms.
constexpr int kPointsBetweenLooks = 512;

py::array_t<float> ArrayOf(const std::vector<float>& values) {
  return py::array_t<float>(static_cast<py::ssize_t>(values.size()), values.data());
}

// Both rules are drawn or compared, so both must accept the codes: V7 needs
// their fields to scan. The horizontal code raises first.
std::pair<ParsedAntennaCode, ParsedAntennaCode> CodesForBothRules(const std::string& hcode,
                                                                  const std::string& vcode) {
  const CodeArgument horizontal =
      ReadCodes(py::str(hcode), CodeRole::kHorizontal, CodeNeeds::kAcceptedAndScans);
  const CodeArgument vertical =
      ReadCodes(py::str(vcode), CodeRole::kVertical, CodeNeeds::kAcceptedAndScans);
  WarnOfCodeForms(horizontal, CodeRole::kHorizontal);
  WarnOfCodeForms(vertical, CodeRole::kVertical);
  return {horizontal.parsed.front(), vertical.parsed.front()};
}

py::dict Cuts(const std::string& hcode, const std::string& vcode, const std::string& rule) {
  const CombinationRule combination = RuleNamed(rule);
  const auto [horizontal, vertical] = CodesForBothRules(hcode, vcode);
  py::dict result;
  for (const auto& [kind, name] :
       {std::pair{CutKind::kHorizontal, "horizontal"}, std::pair{CutKind::kVertical, "vertical"}}) {
    const std::optional<CutCurves> curves =
        ComputeCut(kind, horizontal, vertical, combination == CombinationRule::kV7);
    if (!curves) throw py::value_error("the codes cannot be evaluated on the cuts");
    py::dict cut;
    cut["angle"] = ArrayOf(curves->angles);
    cut["horizontal_gain_db"] = ArrayOf(curves->horizontalGainDb);
    cut["vertical_gain_db"] = ArrayOf(curves->verticalGainDb);
    cut["v6_db"] = ArrayOf(curves->v6Db);
    cut["v7_db"] = ArrayOf(curves->v7Db);
    cut["difference_db"] = ArrayOf(curves->differenceDb);
    result[name] = cut;
  }
  return result;
}

py::dict Compare(const std::string& hcode, const std::string& vcode, float step) {
  if (!(step >= kSmallestStep && step <= kLargestStep)) {
    throw py::value_error("step must be a number from 0.05 to 90");
  }
  const auto [horizontal, vertical] = CodesForBothRules(hcode, vcode);
  std::optional<RuleDifferenceSurvey> survey;
  // Ctrl+C ends the survey between two grid points (which then gives
  // nothing); nothing is returned.
  InterruptPoll interrupt;
  {
    py::gil_scoped_release release;
    int sinceLastLook = 0;
    survey = SurveyRuleDifference(horizontal, vertical, step, [&](const RuleComparison&) {
      if (++sinceLastLook < kPointsBetweenLooks) return;
      sinceLastLook = 0;
      interrupt.ThrowIfInterrupted();
    });
  }
  if (interrupt.Raised()) throw Interrupted();
  if (!survey) throw py::value_error("the codes cannot be evaluated over the sphere");
  const RuleComparison& m = survey->largest;
  py::dict result;
  result["largest_difference_db"] = m.differenceDb;
  result["azimuth"] = m.azimuth + 0.0f;
  result["elevation"] = m.elevation + 0.0f;
  result["v6_db"] = m.v6Db + 0.0f;
  result["v7_db"] = m.v7Db + 0.0f;
  result["mean_difference_db"] = survey->meanDb;
  result["above_1db_percent"] = 100.0 * survey->shareAbove1Db;
  result["above_3db_percent"] = 100.0 * survey->shareAbove3Db;
  result["above_6db_percent"] = 100.0 * survey->shareAbove6Db;
  return result;
}

}  // namespace

void DefineAnalysis(py::module_& module) {
  module.def("cuts", &Cuts, py::arg("hcode"), py::arg("vcode"), py::arg("rule") = "v7",
             R"(The two 2-D cuts of a code pair with all five curves, 1 degree apart.

Returns {"horizontal": cut, "vertical": cut}; each cut is a dict of float32
arrays: "angle" (relative azimuth -180..180 on the horizontal cut, relative
elevation -90..90 on the vertical one), "horizontal_gain_db" and
"vertical_gain_db" (the components' gains where `rule` samples them),
"v6_db" and "v7_db" (the combined attenuations by each rule) and
"difference_db" (|v6_db - v7_db|). The attenuations are the numbers
`veltrisko-pattern table --cut` prints.
Raises InvalidCodeError (a ValueError) for a rejected code, ValueError for an
unknown rule.)");
  module.def("compare", &Compare, py::arg("hcode"), py::arg("vcode"), py::arg("step") = 1.0f,
             R"(Where the HCM V6 and V7 rules disagree over the sphere: the result of
`veltrisko-pattern compare` as a dict.

step: the grid step in degrees, 0.05 to 90.
Keys: "largest_difference_db" and where it occurs ("azimuth", "elevation",
"v6_db", "v7_db"; found on the grid, refined to 0.01 degrees),
"mean_difference_db" and the shares of directions above 1, 3 and 6 dB in
percent ("above_1db_percent", ...), weighted by solid angle.
Raises InvalidCodeError (a ValueError) for a rejected code, ValueError for a
step out of range. Ctrl+C stops it within a few hundredths of a second.)");
}

}  // namespace veltrisko::python
