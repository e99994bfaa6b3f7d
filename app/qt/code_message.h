// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <functional>
#include <string>

namespace veltrisko {

// One line over the picture while the model rejects a code, e.g.
// "Ungültiger Antennencode: 000EA10 (horizontal)"; hidden otherwise.
class CodeMessage final : public QLabel {
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
