// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace veltrisko {

// The program's UI face, "MS Sans Serif"; where it is missing Qt substitutes
// a similar sans-serif face.
inline QFont UiFont(int pointSize, int weight = QFont::Normal) {
  QFont font(QStringLiteral("MS Sans Serif"), pointSize, weight);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace veltrisko
