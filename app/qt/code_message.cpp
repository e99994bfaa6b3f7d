// SPDX-License-Identifier: MIT
#include "app/qt/code_message.h"

#include "app/logic/code_feedback.h"

namespace veltrisko {

CodeMessage::CodeMessage(QWidget* parent, std::function<std::string()> message)
    : QLabel(parent), message_(std::move(message)) {
  setObjectName(QStringLiteral("codeMessage"));
  // Dark red on white, like the view's background; opaque, as a window of
  // its own over the picture cannot blend with it.
  setStyleSheet(QStringLiteral(
      "QLabel { color: rgb(160, 0, 0); background: rgb(255, 255, 255); padding: 2px 4px; }"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  move(kCodeMessageMargin, kCodeMessageMargin);
  hide();
}

void CodeMessage::Refresh() {
  const QString text = QString::fromStdString(message_());
  if (text != this->text()) {
    setText(text);
    adjustSize();
  }
  setVisible(!text.isEmpty());
  raise();
}

}  // namespace veltrisko
