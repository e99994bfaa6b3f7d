// SPDX-License-Identifier: MIT
#include "python/code_arguments.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <unordered_map>

#include "model/code_form.h"

namespace veltrisko::python {
namespace {

// The classes made by DefineCodeChecks, alive as long as the process.
PyObject* invalidCodeError = nullptr;
PyObject* codeFormWarning = nullptr;

py::object RoleName(CodeRole role) {
  if (role == CodeRole::kHorizontal) return py::str("horizontal");
  if (role == CodeRole::kVertical) return py::str("vertical");
  return py::none();
}

// "horizontal antenna code '030EA1'", or "antenna code '030EA1'" for a
// single component.
std::string Named(CodeRole role, const std::string& code) {
  const py::object name = RoleName(role);
  return (name.is_none() ? std::string() : name.cast<std::string>() + " ") + "antenna code '" +
         code + "'";
}

bool Meets(const ParsedAntennaCode& code, CodeNeeds needs) {
  return code.Accepted() && (needs == CodeNeeds::kAccepted || code.Scans());
}

std::optional<std::string> FormProblem(const std::string& code) {
  const std::string problem = DescribeCodeForm(CheckCodeForm(code));
  if (problem.empty()) return std::nullopt;
  return problem;
}

// The distinct strings of an array in the order they first appear, and for
// each element the index of its string.
void ReadArray(py::handle codes, CodeArgument& result) {
  const py::module_ numpy = py::module_::import("numpy");
  const py::array array = numpy.attr("asarray")(codes);
  const char kind = array.dtype().kind();
  if (kind != 'U' && kind != 'O') {
    throw py::type_error("codes must be a string or an array of strings, not dtype " +
                         std::string(py::str(array.dtype())));
  }
  const py::array flat = numpy.attr("ravel")(array);
  py::array_t<py::ssize_t> indexes(flat.size());
  py::ssize_t* index = indexes.mutable_data();
  std::unordered_map<std::string, py::ssize_t> seen;
  py::ssize_t i = 0;
  for (const py::handle value : py::list(flat.attr("tolist")())) {
    if (!py::isinstance<py::str>(value)) {
      throw py::type_error("codes must be strings, not " +
                           std::string(py::str(py::type::handle_of(value).attr("__name__"))));
    }
    const auto [it, added] = seen.try_emplace(value.cast<std::string>(), result.texts.size());
    if (added) result.texts.push_back(it->first);
    index[i++] = it->second;
  }
  result.indexes = indexes.attr("reshape")(array.attr("shape"));
}

}  // namespace

CodeArgument ReadCodes(py::handle codes, CodeRole role, CodeNeeds needs) {
  CodeArgument result;
  result.indexes = py::none();
  if (py::isinstance<py::str>(codes)) {
    result.texts.push_back(codes.cast<std::string>());
  } else {
    ReadArray(codes, result);
  }
  result.parsed.reserve(result.texts.size());
  for (const std::string& text : result.texts) {
    result.parsed.emplace_back(text.c_str());
    if (!Meets(result.parsed.back(), needs)) RaiseInvalidCode(role, text);
  }
  return result;
}

void WarnOfCodeForms(const CodeArgument& codes, CodeRole role) {
  const py::object warn = py::module_::import("warnings").attr("warn");
  for (const std::string& code : codes.texts) {
    const std::optional<std::string> problem = FormProblem(code);
    if (!problem) continue;
    py::object warning = py::reinterpret_borrow<py::object>(codeFormWarning)(
        Named(role, code) + " is not written in the seven-character form (" + *problem +
        "); it is read as it stands");
    warning.attr("component") = RoleName(role);
    warning.attr("code") = code;
    warning.attr("problem") = *problem;
    // From compiled code the first level is the caller's line.
    warn(warning, py::arg("stacklevel") = 1);
  }
}

void RaiseInvalidCode(CodeRole role, const std::string& code) {
  py::object error =
      py::reinterpret_borrow<py::object>(invalidCodeError)("invalid " + Named(role, code));
  error.attr("component") = RoleName(role);
  error.attr("code") = code;
  PyErr_SetObject(invalidCodeError, error.ptr());
  throw py::error_already_set();
}

void DefineCodeChecks(py::module_& module) {
  invalidCodeError = PyErr_NewExceptionWithDoc(
      "veltrisko.InvalidCodeError",
      "A code the model rejects (a ValueError). `component` is \"horizontal\", \"vertical\"\n"
      "or None (a function of one component), `code` the code as given.",
      PyExc_ValueError, nullptr);
  codeFormWarning = PyErr_NewExceptionWithDoc(
      "veltrisko.CodeFormWarning",
      "A code accepted and evaluated by the specified reading but not written in the\n"
      "seven-character form codes are composed in: most likely a typo. `component`,\n"
      "`code` and `problem` (what is unusual) tell which. Turn it into an error with\n"
      "warnings.simplefilter(\"error\", veltrisko.CodeFormWarning).",
      PyExc_UserWarning, nullptr);
  if (!invalidCodeError || !codeFormWarning) throw py::error_already_set();
  module.add_object("InvalidCodeError", py::handle(invalidCodeError));
  module.add_object("CodeFormWarning", py::handle(codeFormWarning));
  module.def("check_code_form", &FormProblem, py::arg("code"),
             R"(What is unusual about how a code is written, or None for a code in the
seven-character form: three digits, the two letters of a family and two
digits (a V or W code: digit, two digits, V or W, a back-field letter A..I and
two digits). E.g. "6 characters, not 7" for "030EA1". It says nothing about
whether the model accepts the code: the functions read every code as the
model does and warn with CodeFormWarning for one off this form.)");
}

}  // namespace veltrisko::python
