// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace veltrisko::tool {

// The value to hand to printf: a NaN loses its sign, which glibc would print
// as "-nan" and the Windows build as "nan", so both print "nan".
inline double Printable(double value) { return std::isnan(value) ? std::fabs(value) : value; }

}  // namespace veltrisko::tool
