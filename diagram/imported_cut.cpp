// SPDX-License-Identifier: MIT
#include "diagram/imported_cut.h"

#include <cmath>

namespace veltrisko {

std::vector<float> ImportedGains(CutKind kind, const CutLosses& losses) {
  std::vector<float> gains;
  for (const float angle : CutAngles(kind, 1.0f)) {
    const int a = static_cast<int>(std::lround(angle));
    // Below the horizon the vertical angle runs 0..90 downwards, above it
    // 360 downwards to 270.
    const int index = kind == CutKind::kHorizontal ? (a + 360) % 360 : (a <= 0 ? -a : 360 - a);
    gains.push_back(static_cast<float>(-losses[static_cast<std::size_t>(index)]) + 0.0f);
  }
  return gains;
}

std::vector<float> ImportedVerticalBackGains(const CutLosses& losses) {
  std::vector<float> gains;
  for (const float angle : CutAngles(CutKind::kVertical, 1.0f)) {
    // The vertical angle runs on downwards through the nadir (90) to the
    // back's horizon (180) and up to the zenith (270).
    const auto index = static_cast<std::size_t>(180 + std::lround(angle));
    gains.push_back(static_cast<float>(-losses[index % 360]) + 0.0f);
  }
  return gains;
}

}  // namespace veltrisko
