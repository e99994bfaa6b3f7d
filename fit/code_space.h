// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/panel_catalogue.h"

namespace veltrisko {

// The slider positions a search takes for one catalogue entry. Parameters
// the entry's codes do not use hold the single value 0.
struct TypeSliderValues {
  std::vector<int> p1;
  std::vector<int> p2;
  std::vector<int> p3;
  std::vector<int> p4;
};

// A set of codes the panel's sliders can compose: for each catalogue entry,
// every combination of its listed slider positions.
struct CodeSpace {
  std::array<TypeSliderValues, kCatalogueSize> types;

  // Every position of every slider of every entry: each code the panel can
  // compose.
  static CodeSpace Full();
  // Every `stride`-th position of each slider, the last one included; small
  // spaces for checking the fit against the exhaustive search.
  static CodeSpace Thinned(int stride);

  // The number of composed codes, those the model rejects included.
  std::size_t ComposedCount() const;
};

// A code's parameters except its side-lobe floors (P3, and P4 of the W
// kind): the codes of one shape share their diagram up to the floors.
struct CodeShape {
  int type = 0;
  int p1 = 0;
  int p2 = 0;
};

std::vector<CodeShape> ShapesOf(const CodeSpace& space);

}  // namespace veltrisko
