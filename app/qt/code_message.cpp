// SPDX-License-Identifier: MIT
#include "app/qt/code_message.h"

#include "app/logic/code_feedback.h"
#include "app/qt/diagram_painter.h"

namespace veltrisko {

CodeMessage::CodeMessage(QWidget* parent, std::function<std::string()> message)
    : DrawingOverlay(parent), message_(std::move(message)) {
  setObjectName(QStringLiteral("codeMessage"));
  move(kCodeMessageMargin, kCodeMessageMargin);
}

void CodeMessage::Refresh() {
  const std::string line = message_();
  Show(CodeMessageDrawing(line, QtMessageFace()), line);
  raise();
}

}  // namespace veltrisko
