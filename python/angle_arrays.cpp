// SPDX-License-Identifier: MIT
#include "python/angle_arrays.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <string>
#include <system_error>
#include <thread>

#include "python/interrupt.h"

namespace veltrisko::python {

bool PlainNumber(py::handle angle, float& value) {
  if (!py::isinstance<py::float_>(angle) && !py::isinstance<py::int_>(angle)) return false;
  value = static_cast<float>(angle.cast<double>());
  return true;
}

BroadcastInputs Broadcast(const std::vector<py::handle>& angles,
                          const std::vector<py::handle>& codeIndexes) {
  const py::module_ numpy = py::module_::import("numpy");
  BroadcastInputs result;
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
  for (const py::handle indexes : codeIndexes) {
    result.scalar =
        result.scalar && py::array(py::reinterpret_borrow<py::object>(indexes)).ndim() == 0;
    converted.append(indexes);
  }
  const py::tuple broadcast = numpy.attr("broadcast_arrays")(*converted);
  for (std::size_t k = 0; k < broadcast.size(); ++k) {
    if (k < angles.size()) {
      result.angles.push_back(FloatArray::ensure(broadcast[k]));
      if (!result.angles.back()) throw py::error_already_set();
    } else {
      result.codes.push_back(IndexArray::ensure(broadcast[k]));
      if (!result.codes.back()) throw py::error_already_set();
    }
  }
  const py::array first = broadcast[0];
  result.shape.assign(first.shape(), first.shape() + first.ndim());
  return result;
}

void ForEachPart(py::ssize_t size, const std::function<void(py::ssize_t, py::ssize_t)>& work) {
  // Below this share per thread a thread costs more than it saves.
  constexpr py::ssize_t kSmallestShare = 16384;
  // Parts much smaller than a share, so that a core slowed down by other
  // programs takes fewer of them, and so that Ctrl+C, noticed by this thread
  // between two of its parts, stops every thread within a part's time;
  // taking one costs nothing next to its work.
  constexpr py::ssize_t kPartSize = 4096;
  const py::ssize_t cores = std::max(1u, std::thread::hardware_concurrency());
  const py::ssize_t threads = std::clamp<py::ssize_t>(size / kSmallestShare, 1, cores);
  const py::ssize_t parts = (size + kPartSize - 1) / kPartSize;
  std::atomic<py::ssize_t> nextPart{0};
  std::atomic<bool> failed{false};
  std::vector<std::exception_ptr> failures(threads);
  InterruptPoll interrupt;
  const auto takeParts = [&](py::ssize_t thread) {
    try {
      for (py::ssize_t p = nextPart++; p < parts && !failed; p = nextPart++) {
        work(p * kPartSize, std::min(size, (p + 1) * kPartSize));
        if (thread == 0) interrupt.ThrowIfInterrupted();
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
