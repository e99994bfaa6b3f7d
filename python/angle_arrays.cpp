// SPDX-License-Identifier: MIT
#include "python/angle_arrays.h"

#include <algorithm>
#include <atomic>
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
  // Below this share per thread a thread costs more than it saves.
  constexpr py::ssize_t kSmallestShare = 16384;
  // Parts much smaller than a share, so that a core slowed down by other
  // programs takes fewer of them; taking one costs nothing next to its work.
  constexpr py::ssize_t kPartSize = 4096;
  const py::ssize_t cores = std::max(1u, std::thread::hardware_concurrency());
  const py::ssize_t threads = std::clamp<py::ssize_t>(size / kSmallestShare, 1, cores);
  const py::ssize_t parts = (size + kPartSize - 1) / kPartSize;
  std::atomic<py::ssize_t> nextPart{0};
  std::atomic<bool> failed{false};
  std::vector<std::exception_ptr> failures(threads);
  const auto takeParts = [&](py::ssize_t thread) {
    try {
      for (py::ssize_t p = nextPart++; p < parts && !failed; p = nextPart++) {
        work(p * kPartSize, std::min(size, (p + 1) * kPartSize));
      }
    } catch (...) {
      failures[thread] = std::current_exception();
      failed = true;
    }
  };
  std::vector<std::thread> helpers;
  try {
    for (py::ssize_t t = 1; t < threads; ++t) helpers.emplace_back(takeParts, t);
  } catch (const std::system_error&) {
    // Fewer threads: the parts are shared among those that started.
  }
  takeParts(0);
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace veltrisko::python
