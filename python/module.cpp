// SPDX-License-Identifier: MIT
// The compiled part of the Python package `veltrisko` (veltrisko._core): the
// model, the analysis, the pattern files and the fit of the command-line
// tool, with NumPy arrays. veltrisko/__init__.py takes its names.
#include <pybind11/pybind11.h>

#include "model/invalid_antenna_code.h"
#include "python/bindings.h"
#include "python/code_arguments.h"
#include "python/interrupt.h"

namespace veltrisko::python {

CombinationRule RuleNamed(const std::string& rule) {
  if (rule == "v6") return CombinationRule::kV6;
  if (rule == "v7") return CombinationRule::kV7;
  throw py::value_error("rule must be 'v6' or 'v7', not '" + rule + "'");
}

}  // namespace veltrisko::python

PYBIND11_MODULE(_core, module) {
  namespace py = pybind11;
  using namespace veltrisko::python;
  module.doc() =
      "Antenna patterns given by HCM antenna codes: component fields and gains, the combined\n"
      "attenuation by the HCM V6 and V7 rules, the 2-D cuts, the rules' difference, pattern\n"
      "files and the fit of codes to measured cuts. The numbers are those of the command-line\n"
      "tool veltrisko-pattern. Angles are in degrees and rounded to single precision.";
  module.attr("__version__") = VELTRISKO_VERSION;
  py::register_exception_translator([](std::exception_ptr error) {
    try {
      if (error) std::rethrow_exception(error);
    } catch (const veltrisko::InvalidAntennaCode& e) {
      // Codes are checked before use; should the model still reject one,
      // its message as ValueError.
      PyErr_SetString(PyExc_ValueError, e.what());
    } catch (const Interrupted&) {
      // The signal handler's exception (KeyboardInterrupt) is pending.
      if (!PyErr_Occurred()) PyErr_SetNone(PyExc_KeyboardInterrupt);
    }
  });
  DefineCodeChecks(module);
  DefineEvaluation(module);
  DefineCodeFields(module);
  DefineAnalysis(module);
  DefinePatternFiles(module);
  DefineFit(module);
}
