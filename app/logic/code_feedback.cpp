// SPDX-License-Identifier: MIT
#include "app/logic/code_feedback.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>

#include "model/code_form.h"
#include "model/component_attenuation.h"
#include "text/dialog_texts.h"

namespace veltrisko {

namespace {

constexpr std::size_t kCodeLength = 7;

std::string RejectedPart(const char* code, const char* component) {
  return std::string(code) + " (" + component + ")";
}

// The three bytes as the Colour layout holds them: red lowest.
constexpr Colour RgbColour(int red, int green, int blue) {
  return static_cast<Colour>(red | green << 8 | blue << 16);
}

}  // namespace

std::string DescribeCodeFormIn(const std::string& code, Language language) {
  const CodeForm form = CheckCodeForm(code);
  // A character as a message can show it: printable ASCII quoted, else its byte.
  const auto shown = [&] {
    const auto byte = static_cast<unsigned char>(form.character);
    if (byte > 0x20 && byte < 0x7f) return std::string("'") + form.character + "'";
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return InString(language, texts::kByte) + " " + hex;
  };
  // Appended piece by piece: GCC 12 warns falsely about the chained + here.
  std::string at = " ";
  at += InString(language, texts::kAtPosition);
  at += ' ';
  at += std::to_string(form.position);
  at += ' ';
  switch (form.deviation) {
    case CodeFormDeviation::kNone:
      return {};
    case CodeFormDeviation::kTooShort:
    case CodeFormDeviation::kTooLong:
      return std::to_string(form.length) + " " + InString(language, texts::kCharacters);
    case CodeFormDeviation::kBlank:
      return InString(language, texts::kWhiteSpaceAt) + " " + std::to_string(form.position);
    case CodeFormDeviation::kNotADigit:
      return shown() + at + InString(language, texts::kWhereADigitBelongs);
    case CodeFormDeviation::kUnknownLetters:
      return InString(language, texts::kNoFamily);
    case CodeFormDeviation::kBackFieldLetter:
      return shown() + at + InString(language, texts::kWhereABackFieldLetterBelongs);
  }
  return {};
}

bool ModelRejectsCode(const char* code) {
  if (code == nullptr || *code == '\0') return false;
  try {
    // Whether a code is accepted does not depend on the angle.
    ComponentAttenuation(code, 0.0f, true);
    return false;
  } catch (const std::exception&) {
    return true;
  }
}

std::optional<Colour> CodeFieldTint(CodeFieldState state) {
  switch (state) {
    case CodeFieldState::kNotInForce:
      return RgbColour(255, 236, 179);
    case CodeFieldState::kRejected:
      return RgbColour(255, 205, 205);
    case CodeFieldState::kUnusualForm:
      return RgbColour(255, 250, 190);
    case CodeFieldState::kInForce:
      break;
  }
  return std::nullopt;
}

CodeFieldFeedback CodeFieldFeedbackOf(const std::string& fieldText, const char* codeInForce,
                                      const char* component, Language language) {
  const std::string inForce = codeInForce != nullptr ? codeInForce : "";
  if (fieldText != inForce) {
    const Text& what =
        fieldText.size() < kCodeLength ? texts::kIncompleteCode : texts::kUnreadableCode;
    const std::string held = ModelRejectsCode(codeInForce)
                                 ? InString(language, texts::kStillSet) + " " + inForce + " (" +
                                       InString(language, texts::kInvalid) + ")"
                                 : InString(language, texts::kInForce) + " " + inForce;
    return {CodeFieldState::kNotInForce, InString(language, what) + " – " + held};
  }
  if (ModelRejectsCode(codeInForce))
    return {CodeFieldState::kRejected,
            InString(language, texts::kInvalidCode) + " " + RejectedPart(codeInForce, component)};
  const std::string unusual = DescribeCodeFormIn(inForce, language);
  if (!inForce.empty() && !unusual.empty())
    return {CodeFieldState::kUnusualForm, InString(language, texts::kUnusualForm) + ": " + unusual};
  return {CodeFieldState::kInForce, {}};
}

std::string RejectedCodeMessage(const char* horizontalCode, const char* verticalCode,
                                Language language) {
  std::string parts;
  if (ModelRejectsCode(horizontalCode))
    parts = RejectedPart(horizontalCode, In(language, texts::kHorizontal).data());
  if (ModelRejectsCode(verticalCode))
    parts += (parts.empty() ? "" : ", ") +
             RejectedPart(verticalCode, In(language, texts::kVertical).data());
  return parts.empty() ? parts : InString(language, texts::kInvalidCode) + " " + parts;
}

std::string NoPictureMessage(const std::string& problem, Language language) {
  return InString(language, texts::kNoPicture) + " " + problem;
}

Drawing CodeMessageDrawing(const std::string& message, const MessageFace& face) {
  Drawing drawing;
  if (message.empty()) return drawing;
  drawing.width = std::ceil(face.width(message)) + 2 * 4;
  drawing.height = face.lineHeight + 2 * 2;
  drawing.smooth = false;
  Label line;
  line.text = message;
  line.at = {4, 2};
  line.size = face.size;
  line.colour = {160, 0, 0};
  line.role = LabelRole::kCodeMessage;
  line.face = Face::kMessage;
  line.line = LineAnchor::kTop;
  drawing.shapes.push_back(std::move(line));
  return drawing;
}

void MarkRejectedCodes(InfoLegendContent& content, const char* horizontalCode,
                       const char* verticalCode) {
  const bool horizontal = ModelRejectsCode(horizontalCode);
  const bool vertical = ModelRejectsCode(verticalCode);
  for (std::size_t i = 0; i < content.lines.size(); ++i) {
    const LabelRole role = content.lines[i].role;
    if ((role == LabelRole::kHorizontalCode && horizontal) ||
        (role == LabelRole::kVerticalCode && vertical))
      content.markedLines.push_back(i);
  }
}

}  // namespace veltrisko
