// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "app/logic/legend_content.h"

namespace veltrisko {

// The shared code's UTF-8 texts and rectangles as Qt takes them, and back.
inline QString QText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline QRect QtRect(const LegendRect& r) { return {r.x, r.y, r.width, r.height}; }
inline LegendRect RectOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace veltrisko
