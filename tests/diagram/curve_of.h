// SPDX-License-Identifier: MIT
#pragma once

#include <variant>

#include "diagram/drawing.h"

namespace veltrisko {

// The polyline drawn for `curve`; none when the drawing has none.
inline const Polyline* CurveOf(const Drawing& drawing, DiagramCurve curve) {
  for (const Shape& shape : drawing.shapes) {
    if (const auto* line = std::get_if<Polyline>(&shape); line && line->curve == curve) return line;
  }
  return nullptr;
}

}  // namespace veltrisko
