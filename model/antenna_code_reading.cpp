// SPDX-License-Identifier: MIT
#include "model/antenna_code_reading.h"

#include "model/code_scan.h"

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
  // A scan stops at its first failing field, as sscanf does.
  CodeScan fields(code);  // "%3f%2s%2f"
  fields.Float(3, reading.leadingNumber);
  fields.String(2, reading.typeLetters);
  fields.Float(2, reading.trailingNumber);
  reading.fieldCount = fields.Count();
  if (!reading.Scans() || !reading.IsBeamFamily()) return reading;
  CodeScan beam(code);  // "%1d%2d"
  beam.Int(1, reading.beamWidthStep);
  beam.Int(2, reading.beamHalfSeparation);
  reading.beamFieldCount = beam.Count();
  reading.backFieldLetter = FifthCharacter(code);
  if (reading.typeLetters[0] == 'W') {
    CodeScan sideLobes(code);  // "%*5s%1d%1d"
    sideLobes.SkipString(5);
    sideLobes.Int(1, reading.backSideLobeStep);
    sideLobes.Int(1, reading.frontSideLobeStep);
    reading.sideLobeFieldCount = sideLobes.Count();
  }
  return reading;
}

}  // namespace veltrisko
