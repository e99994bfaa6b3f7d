// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scene/scene_state.h"
#include "text/language.h"

namespace veltrisko {

// veltrisko [--rule v6|v7] [--log DBRANGE] [--lang de|en] [HCODE [VCODE]] [PATTERNFILE]

// What the command line asks the viewer to start with; anything absent keeps
// the usual start-up.
struct StartOptions {
  std::optional<bool> useHcmV7;
  std::optional<int> dbRange;  // given: logarithmic display over this range
  std::optional<std::string> horizontalCode;
  std::optional<std::string> verticalCode;
  // A pattern file to import at start-up ("Öffnen mit" passes its path): an
  // argument with a dot or a folder separator, which no antenna code has.
  std::optional<std::string> patternFile;
  // Given: the language of the viewer's texts, and the one it remembers.
  std::optional<Language> language;
};

enum class CommandLineAction { kRun, kHelp, kVersion, kError };

struct CommandLine {
  CommandLineAction action = CommandLineAction::kRun;
  StartOptions options;
  std::string error;  // for kError: what is wrong, one line
};

inline constexpr int kLowestDbRange = 1;
inline constexpr int kHighestDbRange = 40;

// The values of --rule and --log as every start of the viewer reads them
// (the command line and a view link): "v6" or "v7" in either case (true for
// V7), and a whole number of dB from kLowestDbRange to kHighestDbRange.
std::optional<bool> RuleIsV7(const std::string& word);
std::optional<int> DbRangeOf(const std::string& word);
// The whole text as a decimal int ("12", "-3"), nothing around it.
std::optional<int> WholeNumber(const std::string& text);

// Reads the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The help, in the language in force (the usage error's text stays English,
// as the command line's error lines do).
std::string UsageText(const std::string& program, Language language = Language::kEnglish);

// What the viewer answers instead of starting: the help, its version or a
// usage error, for standard output or the error stream, and the exit
// status. The help speaks the language given, else the `remembered` one,
// else the default.
struct AnswerInsteadOfStart {
  std::string text;
  bool isError = false;
  int exitStatus = 0;
};
// None when the viewer starts.
std::optional<AnswerInsteadOfStart> AnswerOf(
    const CommandLine& commandLine, const std::string& program, const std::string& version,
    const std::function<std::optional<Language>()>& remembered);

// Sets the HCM rule and the display mode the options ask for.
void ApplyStartOptions(SceneState& scene, const StartOptions& options);

// The warning for a code given on the command line that does not come into
// force as given (the panel could not read it, or the model rejects it);
// empty when it is fine. `component` is "horizontal" or "vertical".
std::string StartCodeWarning(const std::string& program, const char* component,
                             const std::string& given, const char* codeInForce);

// Once the options' codes are typed into the dialog's fields: the warning of
// each code given that did not come into force, the horizontal one first.
std::vector<std::string> StartCodeWarnings(const std::string& program, const StartOptions& options,
                                           const char* horizontalInForce,
                                           const char* verticalInForce);

// The line for a pattern file given on the command line that could not be
// imported (the message box says why, in the language in force).
std::string StartImportWarning(const std::string& program, const std::string& path);

}  // namespace veltrisko
