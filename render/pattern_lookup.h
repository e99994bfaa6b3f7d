// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

namespace veltrisko {

// The relative directions the sample grid looks the pattern up at. Within a
// row the lookup elevation is fixed and the azimuth is one of the columns'
// relative azimuths, shifted by +180, 0 or -180 when the row's direction
// lies past a pole.
struct GridLookupPlan {
  enum Shift { kPlus180 = 0, kNone = 1, kMinus180 = 2 };
  int rows = 0;
  int columns = 0;
  std::vector<float> rowElevation;  // per row: the lookup elevation
  std::vector<Shift> rowShift;      // per row: which azimuth set it uses
  std::vector<float> azimuth[3];    // per shift, per column: the lookup azimuth
  bool usesShift[3] = {false, false, false};
};

// Where one frame finds the combined attenuation (dB) of a relative direction.
// A rejected code throws the model's InvalidAntennaCode from some lookup.
class PatternLookup {
 public:
  virtual ~PatternLookup() = default;
  virtual float At(float azimuth, float elevation) = 0;
  // The attenuations of every grid element, row after row. The default looks
  // each element up on its own.
  virtual void FillGrid(const GridLookupPlan& plan, std::vector<float>& attenuations);
};

// Evaluates the code texts anew for every lookup (the plain path).
std::unique_ptr<PatternLookup> MakeTextLookup(const char* horizontalCode, const char* verticalCode,
                                              bool useHcmV7);

// Reads each code once and reuses within the frame what does not change:
// bit for bit the results (and the exceptions) of the plain path.
std::unique_ptr<PatternLookup> MakeParsedLookup(const char* horizontalCode,
                                                const char* verticalCode, bool useHcmV7);

}  // namespace veltrisko
