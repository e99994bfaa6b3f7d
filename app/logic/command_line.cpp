// SPDX-License-Identifier: MIT
#include "app/logic/command_line.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "app/logic/code_feedback.h"

namespace veltrisko {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The edit field turns typed letters into capitals; a code given here is
// typed into it.
std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Splits "--name=value" into name and value; other words have no value.
std::pair<std::string, std::optional<std::string>> SplitOption(const std::string& word) {
  const std::size_t equals = word.find('=');
  if (word.rfind("--", 0) != 0 || equals == std::string::npos) return {word, std::nullopt};
  return {word.substr(0, equals), word.substr(equals + 1)};
}

CommandLine Failure(std::string error) {
  CommandLine result;
  result.action = CommandLineAction::kError;
  result.error = std::move(error);
  return result;
}

}  // namespace

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return value;
}

std::optional<bool> RuleIsV7(const std::string& word) {
  const std::string rule = Lower(word);
  if (rule != "v6" && rule != "v7") return std::nullopt;
  return rule == "v7";
}

std::optional<int> DbRangeOf(const std::string& word) {
  const std::optional<int> range = WholeNumber(word);
  if (!range || *range < kLowestDbRange || *range > kHighestDbRange) return std::nullopt;
  return range;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine result;
  std::vector<std::string> codes;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
      codes.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    // The options read so far stay: a language given before asks for the help in it.
    if (word == "--help" || word == "-h") {
      result.action = CommandLineAction::kHelp;
      return result;
    }
    if (word == "--version") return CommandLine{CommandLineAction::kVersion, {}, {}};
    auto [name, value] = SplitOption(word);
    if (name != "--rule" && name != "--log" && name != "--lang")
      return Failure("unknown option " + word);
    if (!value) {
      if (i + 1 == arguments.size()) return Failure(name + " needs a value");
      value = arguments[++i];
    }
    if (name == "--rule") {
      result.options.useHcmV7 = RuleIsV7(*value);
      if (!result.options.useHcmV7) return Failure("--rule takes v6 or v7, not " + *value);
    } else if (name == "--lang") {
      result.options.language = LanguageOfCode(Lower(*value));
      if (!result.options.language) return Failure("--lang takes de or en, not " + *value);
    } else {
      result.options.dbRange = DbRangeOf(*value);
      if (!result.options.dbRange)
        return Failure("--log takes a whole number of dB from 1 to 40, not " + *value);
    }
  }
  std::vector<std::string> files;
  std::erase_if(codes, [&files](const std::string& word) {
    if (word.find_first_of("./\\") == std::string::npos) return false;
    files.push_back(word);
    return true;
  });
  if (files.size() > 1) return Failure("at most one pattern file, got " + files[1]);
  if (!files.empty()) result.options.patternFile = files[0];
  if (codes.size() > 2) return Failure("at most two antenna codes, got " + codes[2]);
  if (!codes.empty()) result.options.horizontalCode = Upper(codes[0]);
  if (codes.size() == 2) result.options.verticalCode = Upper(codes[1]);
  return result;
}

std::string UsageText(const std::string& program, Language language) {
  if (language == Language::kGerman)
    return "Aufruf: " + program +
           " [--rule v6|v7] [--log DBBEREICH] [--lang de|en] [HCODE [VCODE]] [DIAGRAMMDATEI]\n"
           "Zeigt die Richtcharakteristik einer Antenne, gegeben durch zwei HCM-Antennencodes.\n"
           "\n"
           "  HCODE, VCODE      horizontaler und vertikaler Antennencode (Vorgabe 030EA00)\n"
           "  DIAGRAMMDATEI     eine zu importierende Diagrammdatei (MSI Planet, NSMA, EDX,\n"
           "                    Radio Mobile, CSV), gezeigt in den 2D-Diagrammen\n"
           "  --rule v6|v7      die Komponenten nach HCM V6 oder V7 kombinieren (Vorgabe v7)\n"
           "  --log DBBEREICH   logarithmische Darstellung über DBBEREICH dB, 1 bis 40\n"
           "                    (Vorgabe: lineare Darstellung)\n"
           "  --lang de|en      deutsche oder englische Texte, für den nächsten Start gemerkt\n"
           "                    (Vorgabe: die zuletzt gewählte Sprache, anfangs Deutsch)\n"
           "  --help            diesen Text zeigen und beenden\n"
           "  --version         die Version zeigen und beenden\n";
  return "Usage: " + program +
         " [--rule v6|v7] [--log DBRANGE] [--lang de|en] [HCODE [VCODE]] [PATTERNFILE]\n"
         "Shows the radiation pattern of an antenna given by two HCM antenna codes.\n"
         "\n"
         "  HCODE, VCODE    horizontal and vertical antenna code (default 030EA00)\n"
         "  PATTERNFILE     a pattern file to import (MSI Planet, NSMA, EDX, Radio Mobile,\n"
         "                  CSV), shown in the 2-D diagrams\n"
         "  --rule v6|v7    combine the components by HCM V6 or V7 (default v7)\n"
         "  --log DBRANGE   logarithmic display over DBRANGE dB, 1 to 40\n"
         "                  (default: linear display)\n"
         "  --lang de|en    German or English texts, kept for the next start\n"
         "                  (default: the language chosen last, at first German)\n"
         "  --help          show this text and exit\n"
         "  --version       show the version and exit\n";
}

std::optional<AnswerInsteadOfStart> AnswerOf(
    const CommandLine& commandLine, const std::string& program, const std::string& version,
    const std::function<std::optional<Language>()>& remembered) {
  switch (commandLine.action) {
    case CommandLineAction::kHelp: {
      const Language language =
          commandLine.options.language.value_or(remembered().value_or(kDefaultLanguage));
      return AnswerInsteadOfStart{UsageText(program, language), false, 0};
    }
    case CommandLineAction::kVersion:
      return AnswerInsteadOfStart{"veltrisko " + version + "\n", false, 0};
    case CommandLineAction::kError:
      return AnswerInsteadOfStart{program + ": " + commandLine.error + "\n" + UsageText(program),
                                  true, 2};
    case CommandLineAction::kRun:
      break;
  }
  return std::nullopt;
}

void ApplyStartOptions(SceneState& scene, const StartOptions& options) {
  if (options.useHcmV7) scene.useHcmV7 = *options.useHcmV7;
  if (options.dbRange) {
    scene.logScale = true;
    scene.dbRange = static_cast<float>(*options.dbRange);
  }
}

std::string StartCodeWarning(const std::string& program, const char* component,
                             const std::string& given, const char* codeInForce) {
  const std::string inForce = codeInForce != nullptr ? codeInForce : "";
  if (given != inForce)
    return program + ": the " + component + " code \"" + given +
           "\" is not a complete antenna code; it is shown as typed and " + inForce +
           " stays in force";
  if (ModelRejectsCode(codeInForce))
    return program + ": the " + component + " code \"" + given +
           "\" is not a valid antenna code; the picture shows the axes only";
  return {};
}

std::vector<std::string> StartCodeWarnings(const std::string& program, const StartOptions& options,
                                           const char* horizontalInForce,
                                           const char* verticalInForce) {
  std::vector<std::string> warnings;
  const auto check = [&](const char* component, const std::optional<std::string>& given,
                         const char* inForce) {
    if (!given) return;
    std::string warning = StartCodeWarning(program, component, *given, inForce);
    if (!warning.empty()) warnings.push_back(std::move(warning));
  };
  check("horizontal", options.horizontalCode, horizontalInForce);
  check("vertical", options.verticalCode, verticalInForce);
  return warnings;
}

std::string StartImportWarning(const std::string& program, const std::string& path) {
  return program + ": cannot import " + path;
}

}  // namespace veltrisko
