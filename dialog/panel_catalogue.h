// SPDX-License-Identifier: MIT
#pragma once

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

// The catalogue index of two type letters, compared exactly; "XX" also names
// index 0. -1 for letters outside the catalogue.
int CatalogueIndexOf(const char* letters);

}  // namespace veltrisko
