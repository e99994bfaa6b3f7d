// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace veltrisko::python {

namespace py = pybind11;

using FloatArray = py::array_t<float, py::array::c_style | py::array::forcecast>;

// Angles given as numbers or arrays of numbers, rounded to single precision
// (as the command-line tool reads them) and broadcast to one shape; each
// array is contiguous. Raises TypeError for anything that is not numeric and
// ValueError for shapes that do not broadcast.
struct AngleArrays {
  bool scalar = true;  // every angle was a single number
  std::vector<py::ssize_t> shape;
  std::vector<FloatArray> arrays;
};
AngleArrays BroadcastAngles(const std::vector<py::handle>& angles);

// The single-precision value of a plain Python number, or false for any
// other object.
bool PlainNumber(py::handle angle, float& value);

// Calls `work(begin, end)` on consecutive parts of [0, size) that together
// cover it, on every core for a large size, each thread taking the next part
// when done with its last. Once a part throws, no further part starts; the
// exception is passed on after every thread has stopped.
void ForEachPart(py::ssize_t size, const std::function<void(py::ssize_t, py::ssize_t)>& work);

// `evaluate(const float* angles)` at every position of the broadcast angles,
// on every core with the interpreter released (`evaluate` must be safe to
// call from several threads at once): a float for numbers, a
// float64 array of the broadcast shape otherwise.
template <std::size_t N, typename Evaluate>
py::object MapAngles(const std::array<py::handle, N>& angles, const Evaluate& evaluate) {
  std::array<float, N> values{};
  bool plain = true;
  for (std::size_t k = 0; k < N && plain; ++k) plain = PlainNumber(angles[k], values[k]);
  if (plain) return py::float_(evaluate(values.data()));

  AngleArrays broadcast = BroadcastAngles(std::vector<py::handle>(angles.begin(), angles.end()));
  std::array<const float*, N> in{};
  for (std::size_t k = 0; k < N; ++k) in[k] = broadcast.arrays[k].data();
  if (broadcast.scalar) {
    for (std::size_t k = 0; k < N; ++k) values[k] = in[k][0];
    return py::float_(evaluate(values.data()));
  }
  py::array_t<double> result(broadcast.shape);
  double* out = result.mutable_data();
  py::gil_scoped_release release;
  ForEachPart(result.size(), [&](py::ssize_t begin, py::ssize_t end) {
    std::array<float, N> angle{};
    for (py::ssize_t i = begin; i < end; ++i) {
      for (std::size_t k = 0; k < N; ++k) angle[k] = in[k][i];
      out[i] = evaluate(angle.data());
    }
  });
  return result;
}

}  // namespace veltrisko::python
