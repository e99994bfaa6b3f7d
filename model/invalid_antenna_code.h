// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace veltrisko {

// The one failure the antenna model knows: a code text that cannot be read or
// lies outside its family's accepted range. what() is one of the fixed texts
// "invalid antenna type", "invalid horizontal antenna type" and
// "invalid vertical antenna type".
class InvalidAntennaCode : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace veltrisko
