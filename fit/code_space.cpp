// SPDX-License-Identifier: MIT
#include "fit/code_space.h"

namespace veltrisko {
namespace {

std::vector<int> Positions(int maximum, int stride) {
  std::vector<int> positions;
  for (int p = 0; p <= maximum; p += stride) positions.push_back(p);
  if (positions.back() != maximum) positions.push_back(maximum);
  return positions;
}

CodeSpace SpaceWithStride(int stride) {
  CodeSpace space;
  for (int type = 0; type < kCatalogueSize; ++type) {
    const SliderRanges ranges = SliderRangesOf(type);
    TypeSliderValues& values = space.types[type];
    // ND composes one code, whatever its hidden sliders hold.
    values.p1 = ranges.usesP1AndP3 ? Positions(ranges.p1Maximum, stride) : std::vector<int>{0};
    values.p2 = ranges.usesP2 ? Positions(ranges.p2Maximum, stride) : std::vector<int>{0};
    values.p3 = ranges.usesP1AndP3 ? Positions(ranges.p3Maximum, stride) : std::vector<int>{0};
    values.p4 = ranges.usesP4 ? Positions(ranges.p4Maximum, stride) : std::vector<int>{0};
  }
  return space;
}

}  // namespace

CodeSpace CodeSpace::Full() { return SpaceWithStride(1); }

CodeSpace CodeSpace::Thinned(int stride) { return SpaceWithStride(stride < 1 ? 1 : stride); }

std::size_t CodeSpace::ComposedCount() const {
  std::size_t count = 0;
  for (const TypeSliderValues& values : types) {
    count += values.p1.size() * values.p2.size() * values.p3.size() * values.p4.size();
  }
  return count;
}

std::vector<CodeShape> ShapesOf(const CodeSpace& space) {
  std::vector<CodeShape> shapes;
  for (int type = 0; type < kCatalogueSize; ++type) {
    for (int p1 : space.types[type].p1) {
      for (int p2 : space.types[type].p2) shapes.push_back({type, p1, p2});
    }
  }
  return shapes;
}

}  // namespace veltrisko
