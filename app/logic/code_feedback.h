// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "app/logic/legend_content.h"
#include "app/logic/legend_drawing.h"

namespace veltrisko {

// Tells the user which code is in force and which one the model rejects;
// the panels' and the dialog's handling of codes stays as it is.

// Whether the antenna model rejects the code, so that the picture shows the
// axes only. An empty code (none composed yet) is not reported.
bool ModelRejectsCode(const char* code);

enum class CodeFieldState {
  kInForce,      // the field shows the code in force, which the model accepts
  kNotInForce,   // incomplete or unreadable text: the previous code still holds
  kRejected,     // the code in force is the field's, but the model rejects it
  kUnusualForm,  // the field's code is in force but not in its composed form (a typo?)
};

// The code field's background while its code is not in force (light orange),
// rejected (light red) or unusually written (light yellow); nothing: the field keeps its usual
// background.
std::optional<Colour> CodeFieldTint(CodeFieldState state);

struct CodeFieldFeedback {
  CodeFieldState state;
  std::string toolTip;  // empty while the code is in force
};

// How a code in force departs from the composed form, in the language in
// force, e.g. "'O' an Stelle 7 statt einer Ziffer"; empty for a canonical code.
std::string DescribeCodeFormIn(const std::string& code, Language language);

// `component` is "horizontal" or "vertikal" (in English "vertical").
CodeFieldFeedback CodeFieldFeedbackOf(const std::string& fieldText, const char* codeInForce,
                                      const char* component, Language language = kDefaultLanguage);

// The line shown there instead when the picture cannot be drawn, naming
// the driver's problem: "Keine OpenGL-Darstellung möglich: <problem>".
std::string NoPictureMessage(const std::string& problem, Language language = kDefaultLanguage);

// The one line the view shows over the picture while a code is rejected,
// e.g. "Ungültiger Antennencode: 000EA10 (horizontal)"; empty otherwise.
std::string RejectedCodeMessage(const char* horizontalCode, const char* verticalCode,
                                Language language = kDefaultLanguage);

// The message line stands this far from the picture's top-left corner.
inline constexpr int kCodeMessageMargin = 8;

// The message line as a drawing of its own size: dark red in the message
// face on white, 4 pixels of room left and right of the text, 2 above and
// below; an empty drawing for an empty message.
Drawing CodeMessageDrawing(const std::string& message, const MessageFace& face);

// Marks the information legend's code lines of rejected codes.
void MarkRejectedCodes(InfoLegendContent& content, const char* horizontalCode,
                       const char* verticalCode);

}  // namespace veltrisko
