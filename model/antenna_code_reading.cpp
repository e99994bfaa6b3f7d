// SPDX-License-Identifier: MIT
#include "model/antenna_code_reading.h"

#include <cstdio>

namespace veltrisko {
namespace {

// The fifth character without reading past the terminator of a shorter text.
char FifthCharacter(const char* code) {
  for (int i = 0; i < 4; ++i) {
    if (code[i] == '\0') return '\0';
  }
  return code[4];
}

}  // namespace

AntennaCodeReading ReadAntennaCode(const char* code) {
  AntennaCodeReading reading;
  if (code == nullptr) code = "";
  reading.fieldCount = std::sscanf(code, "%3f%2s%2f", &reading.leadingNumber, reading.typeLetters,
                                   &reading.trailingNumber);
  if (!reading.Scans() || !reading.IsBeamFamily()) return reading;
  reading.beamFieldCount =
      std::sscanf(code, "%1d%2d", &reading.beamWidthStep, &reading.beamHalfSeparation);
  reading.backFieldLetter = FifthCharacter(code);
  if (reading.typeLetters[0] == 'W') {
    reading.sideLobeFieldCount =
        std::sscanf(code, "%*5s%1d%1d", &reading.backSideLobeStep, &reading.frontSideLobeStep);
  }
  return reading;
}

}  // namespace veltrisko
