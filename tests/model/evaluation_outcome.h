// SPDX-License-Identifier: MIT
#pragma once

#include <cstring>
#include <string>

#include "model/invalid_antenna_code.h"

namespace veltrisko {

// What one evaluation gave, comparable byte for byte: the value's bits, or
// "throws " and the exception's message.
template <typename Evaluate>
std::string Outcome(Evaluate evaluate) {
  try {
    const auto value = evaluate();
    std::string bits(sizeof value, '\0');
    std::memcpy(bits.data(), &value, sizeof value);
    return bits;
  } catch (const InvalidAntennaCode& e) {
    return std::string("throws ") + e.what();
  }
}

inline bool Throws(const std::string& outcome) { return outcome.rfind("throws ", 0) == 0; }

template <typename T>
T ValueOf(const std::string& outcome) {
  T value;
  std::memcpy(&value, outcome.data(), sizeof value);
  return value;
}

// Published attenuations are given to four decimals.
inline constexpr double kDbTolerance = 5e-5;

// One direction of a combination rule and its published attenuation.
struct DirectionCase {
  const char* horizontal;
  const char* vertical;
  float azimuth;
  float elevation;
  double attenuationDb;
};

}  // namespace veltrisko
