// SPDX-License-Identifier: MIT
#include "python/angle_arrays.h"

#include <algorithm>
#include <exception>
#include <string>
#include <system_error>
#include <thread>

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

void ForEachPart(py::ssize_t size, const std::function<void(py::ssize_t, py::ssize_t)>& work) {
  // Below this a thread costs more than it saves.
  constexpr py::ssize_t kSmallestPart = 16384;
  const py::ssize_t cores = std::max(1u, std::thread::hardware_concurrency());
  const py::ssize_t parts = std::clamp<py::ssize_t>(size / kSmallestPart, 1, cores);
  std::vector<std::exception_ptr> failures(parts);
  const auto part = [&](py::ssize_t p) {
    try {
      work(size * p / parts, size * (p + 1) / parts);
    } catch (...) {
      failures[p] = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  py::ssize_t started = 1;
  try {
    for (; started < parts; ++started) helpers.emplace_back(part, started);
  } catch (const std::system_error&) {
    // Fewer threads: this one does the parts not started.
  }
  part(0);
  for (py::ssize_t p = started; p < parts; ++p) part(p);
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace veltrisko::python
