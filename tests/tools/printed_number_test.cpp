// SPDX-License-Identifier: MIT
#include "tools/cli/printed_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace veltrisko::tool {
namespace {

std::string Printed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9g", Printable(value));
  return text;
}

TEST(PrintedNumber, ReadsTheSameOnEverySystem) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {nan, "nan"},
      {-nan, "nan"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {-0.0, "-0"},
      {-3.01029996, "-3.01029996"},
  };
  for (const auto& c : cases) EXPECT_EQ(Printed(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace veltrisko::tool
