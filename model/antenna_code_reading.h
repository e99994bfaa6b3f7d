// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// Everything the formatted scans of one code text find, kept so that a code
// can be read once and evaluated many times. Fields a scan did not assign
// keep the values given here.
struct AntennaCodeReading {
  // "%3f%2s%2f": leading number, type letters, trailing number.
  int fieldCount = 0;
  float leadingNumber = 0.0f;
  char typeLetters[3] = {0, 0, 0};
  float trailingNumber = 0.0f;

  // The V and W families: "%1d%2d", the fifth character and "%*5s%1d%1d".
  // Only read when the first type letter is 'V' or 'W'.
  int beamFieldCount = 0;
  int beamWidthStep = 0;
  int beamHalfSeparation = 0;
  char backFieldLetter = 0;
  int sideLobeFieldCount = 0;
  int backSideLobeStep = 0;
  int frontSideLobeStep = 0;

  bool Scans() const { return fieldCount == 3; }
  bool IsBeamFamily() const { return typeLetters[0] == 'V' || typeLetters[0] == 'W'; }
};

// Scans `code` as glibc's formatted input reads it with the formats above
// (CodeScan), alike on every system. A null pointer reads as the empty text.
AntennaCodeReading ReadAntennaCode(const char* code);

}  // namespace veltrisko
