// SPDX-License-Identifier: MIT
// component, gain and attenuation: the numbers of `veltrisko-pattern eval`.
#include <array>
#include <string>

#include "model/combination.h"
#include "model/parsed_antenna_code.h"
#include "python/angle_arrays.h"
#include "python/bindings.h"
#include "python/code_arguments.h"

namespace veltrisko::python {
namespace {

// The codes are read once for all the angles of a call; a rejected code
// raises before any angle is looked at, also for an empty array.
py::object ComponentValues(py::handle codes, py::handle angle, bool linear) {
  const CodeArgument code = ReadCodes(codes, CodeRole::kComponent, CodeNeeds::kAccepted);
  WarnOfCodeForms(code, CodeRole::kComponent);
  return MapInputs<1, 1>({&code}, {angle},
                         [linear](const float* a, const ParsedAntennaCode* const* c) {
                           return c[0]->ComponentAttenuation(a[0], linear);
                         });
}

py::object Attenuation(py::handle hcodes, py::handle vcodes, py::handle azimuth,
                       py::handle elevation, const std::string& rule) {
  const CombinationRule combination = RuleNamed(rule);
  // V7 rejects a code whose fields do not scan, horizontal first, as the
  // rule does; every direction evaluates both codes.
  const CodeNeeds needs =
      combination == CombinationRule::kV7 ? CodeNeeds::kAcceptedAndScans : CodeNeeds::kAccepted;
  const CodeArgument horizontal = ReadCodes(hcodes, CodeRole::kHorizontal, needs);
  const CodeArgument vertical = ReadCodes(vcodes, CodeRole::kVertical, needs);
  WarnOfCodeForms(horizontal, CodeRole::kHorizontal);
  WarnOfCodeForms(vertical, CodeRole::kVertical);
  const std::array<py::handle, 2> angles = {azimuth, elevation};
  // The rule is chosen once, outside the loop over the directions.
  if (combination == CombinationRule::kV7) {
    return MapInputs<2, 2>({&horizontal, &vertical}, angles,
                           [](const float* a, const ParsedAntennaCode* const* c) {
                             return CombinedAttenuationV7(a[0], a[1], *c[0], *c[1]);
                           });
  }
  return MapInputs<2, 2>({&horizontal, &vertical}, angles,
                         [](const float* a, const ParsedAntennaCode* const* c) {
                           return double{CombinedAttenuationV6(a[0], a[1], *c[0], *c[1])};
                         });
}

}  // namespace

void DefineEvaluation(py::module_& module) {
  module.def(
      "component",
      [](py::handle code, py::handle angle) { return ComponentValues(code, angle, true); },
      py::arg("code"), py::arg("angle"),
      R"(Relative field (0.01 .. 1) of one antenna component.

code: an HCM antenna code such as "030EA10", or an array of codes of any
    shape, broadcast with the angle.
angle: degrees off the component's main axis; a number or an array of any
    shape, rounded to single precision. A NaN angle gives NaN.
Returns a float for a code and a number, otherwise a float64 array of the
broadcast shape: the numbers `veltrisko-pattern eval` answers to
"component CODE ANGLE".
Raises InvalidCodeError (a ValueError) naming a rejected code; warns
CodeFormWarning for a code not written in the seven-character form.)");
  module.def(
      "gain", [](py::handle code, py::handle angle) { return ComponentValues(code, angle, false); },
      py::arg("code"), py::arg("angle"),
      R"(Gain in dB (-40 .. 0) of one antenna component.

Like component(), with the answer of eval's "gain CODE ANGLE".)");
  module.def("attenuation", &Attenuation, py::arg("hcode"), py::arg("vcode"), py::arg("azimuth"),
             py::arg("elevation"), py::arg("rule") = "v7",
             R"(Combined attenuation in dB (0 .. 40) of an antenna given by two codes.

hcode, vcode: the codes of the horizontal and the vertical component; strings
    or arrays of strings (a station table in one call).
azimuth, elevation: degrees relative to the main direction; numbers or arrays.
    Codes and angles are broadcast together; angles are rounded to single
    precision, and a NaN angle gives NaN.
rule: "v7" (HCM V7, the default) or "v6".
Returns a float when both codes are strings and both angles numbers,
otherwise a float64 array of the broadcast shape: the numbers of eval's
"v7 HCODE VCODE AZ EL" (or "v6 ...").
Raises InvalidCodeError (a ValueError) naming the component and the code
("invalid horizontal antenna code '066EA00'"), the horizontal code first;
ValueError for an unknown rule. Warns CodeFormWarning once for each distinct
code not written in the seven-character form.)");
}

}  // namespace veltrisko::python
