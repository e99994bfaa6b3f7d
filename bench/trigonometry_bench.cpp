// SPDX-License-Identifier: MIT
// The model's correctly rounded cosine against the C library's, over the
// arguments the model asks for: angles in degrees, as radians.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

constexpr std::size_t kCount = 1024;

std::array<double, kCount> Arguments() {
  std::array<double, kCount> out{};
  for (std::size_t i = 0; i < kCount; ++i)
    out[i] = (-180.0 + 360.0 * static_cast<double>(i) / kCount + 0.37) * kRadiansPerDegree;
  return out;
}

const std::array<double, kCount> kArguments = Arguments();

template <double (*Cosine)(double)>
void CosineOf(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Cosine(kArguments[i++ % kCount]));
}

double LibraryCos(double x) { return std::cos(x); }

BENCHMARK(CosineOf<RoundedCos>)->Name("Cosine/rounded");
BENCHMARK(CosineOf<LibraryCos>)->Name("Cosine/library");

}  // namespace
}  // namespace veltrisko
