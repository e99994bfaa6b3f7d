// SPDX-License-Identifier: MIT
// A legend line for the page as the desktop shows it: shortened in the
// middle when it is wider than its box, measured by the page in the line's
// own font, so that the HTML legend stays selectable text.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <string>

#include "diagram/drawing.h"

namespace veltrisko {
namespace {

// `width(text)` is the advance of `text` in CSS pixels, as a canvas's
// measureText gives it; a part of a pixel counts as a whole one.
std::string ElideLegendLine(const std::string& text, int maxWidth, emscripten::val width) {
  if (maxWidth <= 0) return text;
  return ElideToWidth(text, maxWidth, [&width](const std::string& part) {
    const double measured = width(part).as<double>();
    return std::isfinite(measured) ? static_cast<int>(std::ceil(measured)) : 0;
  });
}

}  // namespace

EMSCRIPTEN_BINDINGS(veltrisko_legend) { emscripten::function("elideLegendLine", &ElideLegendLine); }

}  // namespace veltrisko
