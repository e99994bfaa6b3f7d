// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "model/parsed_antenna_code.h"

namespace veltrisko::python {

namespace py = pybind11;

// The part a code plays in a call, as messages name it.
enum class CodeRole { kComponent, kHorizontal, kVertical };

// What a call needs of its codes: that every evaluation returns (component
// and gain, V6), and also that the three fields scan (V7).
enum class CodeNeeds { kAccepted, kAcceptedAndScans };

// Codes given as one string or as an array of strings of any shape (NumPy
// arrays, lists, a pandas Series), each distinct code read once.
struct CodeArgument {
  std::vector<std::string> texts;         // distinct, in the order they first appear
  std::vector<ParsedAntennaCode> parsed;  // beside `texts`
  py::object indexes;                     // None for one string, else an intp array into `texts`

  bool Single() const { return indexes.is_none(); }
};

// Reads the codes; raises InvalidCodeError naming the role and the first code
// (in the array's order) that does not meet `needs`, TypeError for anything
// but strings.
CodeArgument ReadCodes(py::handle codes, CodeRole role, CodeNeeds needs);

// Warns CodeFormWarning once for each distinct code off the canonical
// seven-character form, in the order the codes first appear. Called once every
// code of a call has been read, so that a rejected code raises first.
void WarnOfCodeForms(const CodeArgument& codes, CodeRole role);

// The InvalidCodeError naming the role and the code (the tool's wording).
[[noreturn]] void RaiseInvalidCode(CodeRole role, const std::string& code);

// The module's InvalidCodeError and CodeFormWarning, and check_code_form().
void DefineCodeChecks(py::module_& module);

}  // namespace veltrisko::python
