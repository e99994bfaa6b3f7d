// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <vector>

#include "python/code_arguments.h"

namespace veltrisko::python {

namespace py = pybind11;

using FloatArray = py::array_t<float, py::array::c_style | py::array::forcecast>;
using IndexArray = py::array_t<py::ssize_t, py::array::c_style | py::array::forcecast>;

// Angles given as numbers or arrays of numbers, rounded to single precision
// (as the command-line tool reads them), and arrays of code indexes,
// broadcast together to one shape; each array is contiguous. Raises
// TypeError for angles that are not numeric and ValueError for shapes that do
// not broadcast.
struct BroadcastInputs {
  bool scalar = true;  // every input was a single value
  std::vector<py::ssize_t> shape;
  std::vector<FloatArray> angles;
  std::vector<IndexArray> codes;
};
BroadcastInputs Broadcast(const std::vector<py::handle>& angles,
                          const std::vector<py::handle>& codeIndexes);

// The single-precision value of a plain Python number, or false for any
// other object.
bool PlainNumber(py::handle angle, float& value);

// Calls `work(begin, end)` on consecutive parts of [0, size) that together
// cover it, on every core for a large size, each thread taking the next part
// when done with its last. Once a part throws, no further part starts; the
// exception is passed on after every thread has stopped. The calling thread,
// which must have released the interpreter, takes parts too and between them
// notices Ctrl+C (Interrupted).
void ForEachPart(py::ssize_t size, const std::function<void(py::ssize_t, py::ssize_t)>& work);

// `evaluate(const float* angles, const ParsedAntennaCode* const* codes)` at
// every position of the broadcast codes and angles, on every core with the
// interpreter released (`evaluate` must be safe to call from several threads
// at once): a float when every code is a string and every angle a number, a
// float64 array of the broadcast shape otherwise. A NaN angle gives NaN, as
// NumPy's functions do; the codes have been read and checked before.
template <std::size_t N, std::size_t M, typename Evaluate>
py::object MapInputs(const std::array<const CodeArgument*, M>& codes,
                     const std::array<py::handle, N>& angles, const Evaluate& evaluate) {
  const auto evaluateAt = [&evaluate](const float* angle, const ParsedAntennaCode* const* code) {
    for (std::size_t k = 0; k < N; ++k) {
      if (std::isnan(angle[k])) return std::numeric_limits<double>::quiet_NaN();
    }
    return double{evaluate(angle, code)};
  };
  std::array<float, N> values{};
  std::array<const ParsedAntennaCode*, M> fixed{};
  std::vector<py::handle> indexArrays;
  for (std::size_t m = 0; m < M; ++m) {
    fixed[m] = codes[m]->parsed.empty() ? nullptr : codes[m]->parsed.data();
    if (!codes[m]->Single()) indexArrays.push_back(codes[m]->indexes);
  }
  bool plain = indexArrays.empty();
  for (std::size_t k = 0; k < N && plain; ++k) plain = PlainNumber(angles[k], values[k]);
  if (plain) return py::float_(evaluateAt(values.data(), fixed.data()));

  BroadcastInputs inputs =
      Broadcast(std::vector<py::handle>(angles.begin(), angles.end()), indexArrays);
  std::array<const float*, N> in{};
  for (std::size_t k = 0; k < N; ++k) in[k] = inputs.angles[k].data();
  // For each code its index array, or none when one code stands for all.
  std::array<const py::ssize_t*, M> index{};
  for (std::size_t m = 0, a = 0; m < M; ++m) {
    if (!codes[m]->Single()) index[m] = inputs.codes[a++].data();
  }
  const auto at = [&](py::ssize_t i, std::array<float, N>& angle,
                      std::array<const ParsedAntennaCode*, M>& code) {
    for (std::size_t k = 0; k < N; ++k) angle[k] = in[k][i];
    for (std::size_t m = 0; m < M; ++m) code[m] = index[m] ? fixed[m] + index[m][i] : fixed[m];
  };
  if (inputs.scalar) {
    std::array<const ParsedAntennaCode*, M> code{};
    at(0, values, code);
    return py::float_(evaluateAt(values.data(), code.data()));
  }
  py::array_t<double> result(inputs.shape);
  double* out = result.mutable_data();
  py::gil_scoped_release release;
  ForEachPart(result.size(), [&](py::ssize_t begin, py::ssize_t end) {
    std::array<float, N> angle{};
    std::array<const ParsedAntennaCode*, M> code{};
    for (py::ssize_t i = begin; i < end; ++i) {
      at(i, angle, code);
      out[i] = evaluateAt(angle.data(), code.data());
    }
  });
  return result;
}

}  // namespace veltrisko::python
