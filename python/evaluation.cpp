// SPDX-License-Identifier: MIT
// component, gain and attenuation: the numbers of `veltrisko-pattern eval`.
#include <array>
#include <string>

#include "model/combination.h"
#include "model/invalid_antenna_code.h"
#include "model/parsed_antenna_code.h"
#include "python/angle_arrays.h"
#include "python/bindings.h"

namespace veltrisko::python {
namespace {

// A code read once for all the angles of a call; a rejected code raises
// before any angle is looked at, also for an empty array.
ParsedAntennaCode AcceptedCode(const std::string& code) {
  ParsedAntennaCode parsed(code.c_str());
  if (!parsed.Accepted()) throw InvalidAntennaCode("invalid antenna type");
  return parsed;
}

py::object ComponentValues(const std::string& code, py::handle angle, bool linear) {
  const ParsedAntennaCode parsed = AcceptedCode(code);
  return MapAngles<1>({angle}, [&parsed, linear](const float* a) {
    return parsed.ComponentAttenuation(a[0], linear);
  });
}

py::object Attenuation(const std::string& hcode, const std::string& vcode, py::handle azimuth,
                       py::handle elevation, const std::string& rule) {
  const CombinationRule combination = RuleNamed(rule);
  const ParsedAntennaCode horizontal(hcode.c_str());
  const ParsedAntennaCode vertical(vcode.c_str());
  const std::array<py::handle, 2> angles = {azimuth, elevation};
  // Every direction evaluates both codes: a rejected one raises on the axis
  // with the rule's own message, also for empty arrays. The rule is chosen
  // once, outside the loop over the directions.
  if (combination == CombinationRule::kV7) {
    CombinedAttenuationV7(0.0f, 0.0f, horizontal, vertical);
    return MapAngles<2>(angles, [&](const float* a) {
      return CombinedAttenuationV7(a[0], a[1], horizontal, vertical);
    });
  }
  CombinedAttenuationV6(0.0f, 0.0f, horizontal, vertical);
  return MapAngles<2>(angles, [&](const float* a) {
    return double{CombinedAttenuationV6(a[0], a[1], horizontal, vertical)};
  });
}

}  // namespace

void DefineEvaluation(py::module_& module) {
  module.def(
      "component",
      [](const std::string& code, py::handle angle) { return ComponentValues(code, angle, true); },
      py::arg("code"), py::arg("angle"),
      R"(Relative field (0.01 .. 1) of one antenna component.

code: a seven-character HCM antenna code, e.g. "030EA10".
angle: degrees off the component's main axis; a number or an array of any
    shape, rounded to single precision.
Returns a float for a number, otherwise a float64 array of the angle's shape:
the numbers `veltrisko-pattern eval` answers to "component CODE ANGLE".
Raises ValueError("invalid antenna type") for a rejected code.)");
  module.def(
      "gain",
      [](const std::string& code, py::handle angle) { return ComponentValues(code, angle, false); },
      py::arg("code"), py::arg("angle"),
      R"(Gain in dB (-40 .. 0) of one antenna component.

Like component(), with the answer of eval's "gain CODE ANGLE".)");
  module.def("attenuation", &Attenuation, py::arg("hcode"), py::arg("vcode"), py::arg("azimuth"),
             py::arg("elevation"), py::arg("rule") = "v7",
             R"(Combined attenuation in dB (0 .. 40) of an antenna given by two codes.

hcode, vcode: the codes of the horizontal and the vertical component.
azimuth, elevation: degrees relative to the main direction; numbers or arrays,
    broadcast together, rounded to single precision.
rule: "v7" (HCM V7, the default) or "v6".
Returns a float when both angles are numbers, otherwise a float64 array of the
broadcast shape: the numbers of eval's "v7 HCODE VCODE AZ EL" (or "v6 ...").
Raises ValueError with the model's message for a rejected code ("invalid
horizontal antenna type", "invalid vertical antenna type" or "invalid antenna
type") and for an unknown rule.)");
}

}  // namespace veltrisko::python
