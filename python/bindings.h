// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "model/combination_rule.h"

namespace veltrisko::python {

namespace py = pybind11;

// Each file adds its functions to the module.
void DefineEvaluation(py::module_& module);
void DefineCodeFields(py::module_& module);
void DefineAnalysis(py::module_& module);
void DefinePatternFiles(py::module_& module);
void DefineFit(py::module_& module);

// "v6" or "v7"; anything else raises ValueError.
CombinationRule RuleNamed(const std::string& rule);

}  // namespace veltrisko::python
