// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "app/qt/drawing_overlay.h"

namespace veltrisko {

// One line over the picture while the model rejects a code, e.g.
// "Ungültiger Antennencode: 000EA10 (horizontal)", drawn as the shared
// CodeMessageDrawing; hidden otherwise.
class CodeMessage final : public DrawingOverlay {
  Q_OBJECT

 public:
  // `message` gives the current line, empty when there is nothing to say.
  CodeMessage(QWidget* parent, std::function<std::string()> message);

  // Takes the current line; called with every repaint.
  void Refresh();

 private:
  std::function<std::string()> message_;
};

}  // namespace veltrisko
