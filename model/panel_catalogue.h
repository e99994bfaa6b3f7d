// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko {

// How a catalogue entry lays out its code and which sliders it uses.
enum class PanelKind { kNone, kHalfPower, kConstriction, kV, kW, kTa };

struct CatalogueEntry {
  const char* letters;
  PanelKind kind;
  int p1Maximum;
};

inline constexpr int kCatalogueSize = 29;

// The entry of a catalogue index 0..28.
const CatalogueEntry& CatalogueEntryAt(int index);

// The slider ranges of an entry (each from 0) and which parameters its codes
// use; the type slider always spans the whole catalogue.
struct SliderRanges {
  int p1Maximum;
  int p2Maximum;
  int p3Maximum;
  int p4Maximum;
  bool usesP1AndP3;  // every kind but ND
  bool usesP2;       // V and W
  bool usesP4;       // W
};
SliderRanges SliderRangesOf(int index);

// The seven-character code the sliders compose for entry `index` (ND: P1 and
// P3 taken as 0 whatever they hold).
std::string ComposeCode(int index, int p1, int p2, int p3, int p4);

// The catalogue index of two type letters, compared exactly; "XX" also names
// index 0. -1 for letters outside the catalogue.
int CatalogueIndexOf(const char* letters);

}  // namespace veltrisko
