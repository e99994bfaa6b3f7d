// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// Sine and cosine of an angle in radians, rounded correctly to the nearest
// double. The C libraries' own sin and cos (glibc's, mingw-w64's, musl's in
// WebAssembly) each round some results the other way, and an answer near
// 0 dB can rest on that last bit; these are computed with nothing but IEEE
// additions and multiplications, so that every build of the model gives the
// same bits. Not finite: NaN.
double RoundedSin(double x);
double RoundedCos(double x);

struct RoundedSinCos {
  double sine;
  double cosine;
};
// Both from one argument reduction.
RoundedSinCos RoundedSinAndCos(double x);

}  // namespace veltrisko
