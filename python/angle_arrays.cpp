// SPDX-License-Identifier: MIT
#include "python/angle_arrays.h"

#include <string>

namespace veltrisko::python {

bool PlainNumber(py::handle angle, float& value) {
  if (!py::isinstance<py::float_>(angle) && !py::isinstance<py::int_>(angle)) return false;
  value = static_cast<float>(angle.cast<double>());
  return true;
}

AngleArrays BroadcastAngles(const std::vector<py::handle>& angles) {
  const py::module_ numpy = py::module_::import("numpy");
  AngleArrays result;
  py::list converted;
  for (const py::handle angle : angles) {
    const py::array array = numpy.attr("asarray")(angle);
    const char kind = array.dtype().kind();
    if (kind != 'f' && kind != 'i' && kind != 'u') {
      throw py::type_error("angles must be numbers or arrays of numbers, not dtype " +
                           std::string(py::str(array.dtype())));
    }
    result.scalar = result.scalar && array.ndim() == 0;
    converted.append(numpy.attr("asarray")(array, py::arg("dtype") = "float32"));
  }
  const py::tuple broadcast = numpy.attr("broadcast_arrays")(*converted);
  for (const py::handle array : broadcast) {
    result.arrays.push_back(FloatArray::ensure(array));
    if (!result.arrays.back()) throw py::error_already_set();
  }
  const FloatArray& first = result.arrays.front();
  result.shape.assign(first.shape(), first.shape() + first.ndim());
  return result;
}

}  // namespace veltrisko::python
