// SPDX-License-Identifier: MIT
// read_pattern_file() and write_pattern_file(): the MSI Planet and CSV files
// of `veltrisko-pattern export` and `fit`.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "interchange/pattern_export.h"
#include "interchange/pattern_file.h"
#include "model/parsed_antenna_code.h"
#include "python/bindings.h"
#include "python/code_arguments.h"
#include "python/pattern_input.h"

namespace veltrisko::python {
namespace {

py::object CutOf(const std::optional<std::vector<CutPoint>>& points) {
  if (!points) return py::none();
  py::array_t<double> angles(static_cast<py::ssize_t>(points->size()));
  py::array_t<double> losses(static_cast<py::ssize_t>(points->size()));
  for (std::size_t i = 0; i < points->size(); ++i) {
    angles.mutable_at(i) = (*points)[i].angle;
    losses.mutable_at(i) = (*points)[i].loss;
  }
  py::dict cut;
  cut["angle"] = angles;
  cut["loss"] = losses;
  return cut;
}

py::dict ReadFile(py::handle path) {
  const PatternFile file = ReadPatternFileOrRaise(FileSystemPath(path));
  py::list metadata;
  for (const auto& [keyword, value] : file.metadata)
    metadata.append(py::make_tuple(keyword, value));
  py::dict result;
  result["metadata"] = metadata;
  result["horizontal"] = CutOf(file.horizontal);
  result["vertical"] = CutOf(file.vertical);
  return result;
}

void WriteFile(py::handle pathObject, const std::string& hcode, const std::string& vcode,
               const std::string& rule, const std::optional<std::string>& format) {
  const std::string path = FileSystemPath(pathObject);
  const CombinationRule combination = RuleNamed(rule);
  const CodeNeeds needs =
      combination == CombinationRule::kV7 ? CodeNeeds::kAcceptedAndScans : CodeNeeds::kAccepted;
  const CodeArgument horizontal = ReadCodes(py::str(hcode), CodeRole::kHorizontal, needs);
  const CodeArgument vertical = ReadCodes(py::str(vcode), CodeRole::kVertical, needs);
  PatternFormat fileFormat = FormatOfPath(path);
  if (format) {
    if (*format != "msi" && *format != "csv") {
      throw py::value_error("format must be 'msi', 'csv' or None, not '" + *format + "'");
    }
    fileFormat = *format == "csv" ? PatternFormat::kCsv : PatternFormat::kMsi;
  }
  WarnOfCodeForms(horizontal, CodeRole::kHorizontal);
  WarnOfCodeForms(vertical, CodeRole::kVertical);
  const std::string text = ExportedPairText(hcode, vcode, combination, fileFormat);
  const std::string problem = WriteTextFileAtomically(path, text);
  if (!problem.empty()) {
    PyErr_SetString(PyExc_OSError, problem.c_str());
    throw py::error_already_set();
  }
}

}  // namespace

std::string FileSystemPath(py::handle path) {
  return py::module_::import("os").attr("fsencode")(path).cast<std::string>();
}

PatternFile ReadPatternFileOrRaise(const std::string& path) {
  const PatternReading reading = ReadPatternFile(path);
  if (reading.file) return *reading.file;
  // A file that cannot be opened raises what Python's open() raises.
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    std::fclose(file);
  } else {
    PyErr_SetFromErrnoWithFilenameObject(
        PyExc_OSError, py::module_::import("os").attr("fsdecode")(py::bytes(path)).ptr());
    throw py::error_already_set();
  }
  throw py::value_error(reading.error);
}

void DefinePatternFiles(py::module_& module) {
  module.def("read_pattern_file", &ReadFile, py::arg("path"),
             R"(Reads an MSI Planet or CSV pattern file (CSV when the name ends in .csv).

Returns {"metadata": [(keyword, value), ...], "horizontal": cut or None,
"vertical": cut or None}, each cut a dict of float64 arrays "angle"
(0..360 degrees, as in the file) and "loss" (dB). path: str, bytes or
os.PathLike (pathlib.Path). Raises FileNotFoundError (or another OSError) for
a file that cannot be opened, ValueError with a message naming the path and
line for one that cannot be read.)");
  module.def("write_pattern_file", &WriteFile, py::arg("path"), py::arg("hcode"), py::arg("vcode"),
             py::arg("rule") = "v7", py::arg("format") = py::none(),
             R"(Writes the combined cuts of a code pair as `veltrisko-pattern export` does.

format: "msi", "csv" or None (CSV when the name ends in .csv, else MSI
Planet); path: str, bytes or os.PathLike. The file is written whole or not at
all. Raises InvalidCodeError (a ValueError) for a rejected code, ValueError
for an unknown rule or format, and OSError when the file cannot be written.)");
}

}  // namespace veltrisko::python
