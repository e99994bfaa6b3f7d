// SPDX-License-Identifier: MIT
#include "app/logic/command_line.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(ParseCommandLine, ReadsRuleDisplayAndCodes) {
  struct Case {
    std::vector<std::string> arguments;
    CommandLineAction action;
    std::optional<bool> useHcmV7;
    std::optional<int> dbRange;
    std::optional<std::string> horizontal, vertical;
  };
  const Case cases[] = {
      {{}, CommandLineAction::kRun, {}, {}, {}, {}},
      {{"130VA20", "020EA05", "--rule", "v6"},
       CommandLineAction::kRun,
       false,
       {},
       "130VA20",
       "020EA05"},
      {{"--rule=V7", "--log", "25", "030ea10"}, CommandLineAction::kRun, true, 25, "030EA10", {}},
      {{"--log=40", "--", "-12EA00"}, CommandLineAction::kRun, {}, 40, "-12EA00", {}},
      {{"XYZ"}, CommandLineAction::kRun, {}, {}, "XYZ", {}},  // read by the panel later
      {{"--help", "--bogus"}, CommandLineAction::kHelp, {}, {}, {}, {}},
      {{"-h"}, CommandLineAction::kHelp, {}, {}, {}, {}},
      {{"--version"}, CommandLineAction::kVersion, {}, {}, {}, {}},
      {{"--rule", "v8"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"--rule"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"--log", "0"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"--log", "41"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"--log", "12.5"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"--colour"}, CommandLineAction::kError, {}, {}, {}, {}},
      {{"030EA00", "030EA00", "030EA00"}, CommandLineAction::kError, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(line.action, c.action) << shown;
    EXPECT_EQ(line.action == CommandLineAction::kError, !line.error.empty()) << shown;
    if (c.action != CommandLineAction::kRun) continue;
    EXPECT_EQ(line.options.useHcmV7, c.useHcmV7) << shown;
    EXPECT_EQ(line.options.dbRange, c.dbRange) << shown;
    EXPECT_EQ(line.options.horizontalCode, c.horizontal) << shown;
    EXPECT_EQ(line.options.verticalCode, c.vertical) << shown;
  }
}

TEST(UsageText, SpeaksTheLanguageAskedForBeforeTheHelp) {
  const CommandLine line = ParseCommandLine({"--lang", "en", "--help"});
  EXPECT_EQ(line.action, CommandLineAction::kHelp);
  EXPECT_EQ(line.options.language, Language::kEnglish);
  EXPECT_EQ(UsageText("veltrisko", Language::kEnglish).rfind("Usage: veltrisko [--rule", 0), 0u);
  const std::string german = UsageText("veltrisko", Language::kGerman);
  EXPECT_EQ(german.rfind("Aufruf: veltrisko [--rule v6|v7] [--log DBBEREICH]", 0), 0u);
  for (const char* english : {"Usage", "default", "show this"})
    EXPECT_EQ(german.find(english), std::string::npos) << english;
}

TEST(AnswerOf, HelpVersionAndUsageErrorsAnswerInsteadOfAStart) {
  struct Case {
    std::vector<std::string> arguments;
    const char* begins;  // nullptr: the viewer starts
    bool isError;
    int exitStatus;
  };
  const Case cases[] = {
      {{"--help"}, "Aufruf: prog [--rule", false, 0},  // the remembered language
      {{"--lang", "en", "--help"}, "Usage: prog [--rule", false, 0},
      {{"--version"}, "veltrisko 9.8\n", false, 0},
      {{"--rule", "v8"}, "prog: ", true, 2},
      {{"030EA10"}, nullptr, false, 0},
  };
  for (const Case& c : cases) {
    const auto answer = AnswerOf(ParseCommandLine(c.arguments), "prog", "9.8",
                                 [] { return std::optional(Language::kGerman); });
    ASSERT_EQ(answer.has_value(), c.begins != nullptr) << c.arguments.front();
    if (!answer) continue;
    EXPECT_EQ(answer->text.rfind(c.begins, 0), 0u) << answer->text;
    EXPECT_EQ(answer->isError, c.isError) << c.arguments.front();
    EXPECT_EQ(answer->exitStatus, c.exitStatus) << c.arguments.front();
  }
}

TEST(ParseCommandLine, TakesOnePatternFileBesideTheCodes) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> file, horizontal;
    bool error;
  };
  const Case cases[] = {
      {{"C:\\Messungen\\Sektor Süd"}, "C:\\Messungen\\Sektor Süd", {}, false},
      {{"130VA20", "mess/sektor", "--rule", "v6"}, "mess/sektor", "130VA20", false},
      {{"--", "-tilt.adf", "030EA10"}, "-tilt.adf", "030EA10", false},
      {{"a.pln", "b.pln"}, {}, {}, true},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action == CommandLineAction::kError, c.error) << c.arguments[0];
    if (c.error) continue;
    EXPECT_EQ(line.options.patternFile, c.file) << c.arguments[0];
    EXPECT_EQ(line.options.horizontalCode, c.horizontal) << c.arguments[0];
  }
}

TEST(ParseCommandLine, TakesTheLanguage) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<Language> language;
    bool error;
  };
  const Case cases[] = {
      {{"--lang", "en", "030EA10"}, Language::kEnglish, false},
      {{"--lang=DE"}, Language::kGerman, false},
      {{"030EA10"}, {}, false},
      {{"--lang", "fr"}, {}, true},
      {{"--lang"}, {}, true},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action == CommandLineAction::kError, c.error) << c.arguments[0];
    EXPECT_EQ(line.options.language, c.language) << c.arguments[0];
  }
}

TEST(ApplyStartOptions, ChangesOnlyWhatWasGiven) {
  SceneState untouched;
  ApplyStartOptions(untouched, {});
  EXPECT_TRUE(untouched.useHcmV7);
  EXPECT_FALSE(untouched.logScale);
  EXPECT_EQ(untouched.dbRange, 40.0f);

  SceneState scene;
  ApplyStartOptions(scene, ParseCommandLine({"--rule", "v6", "--log", "12"}).options);
  EXPECT_FALSE(scene.useHcmV7);
  EXPECT_TRUE(scene.logScale);
  EXPECT_EQ(scene.dbRange, 12.0f);
}

TEST(StartCodeWarnings, OneForEachCodeGivenThatIsNotInForceHorizontalFirst) {
  StartOptions options;
  options.verticalCode = "XYZ";
  EXPECT_TRUE(StartCodeWarnings("veltrisko", options, "030EA00", "030EA00").size() == 1);
  options.horizontalCode = "12";
  const std::vector<std::string> both =
      StartCodeWarnings("veltrisko", options, "030EA00", "030EA00");
  ASSERT_EQ(both.size(), 2u);
  EXPECT_NE(both[0].find("horizontal code \"12\""), std::string::npos);
  EXPECT_NE(both[1].find("vertical code \"XYZ\""), std::string::npos);
  options.horizontalCode = "030EA00";
  options.verticalCode = "030EA00";
  EXPECT_TRUE(StartCodeWarnings("veltrisko", options, "030EA00", "030EA00").empty());
}

TEST(StartCodeWarning, NamesCodesThatDoNotComeIntoForce) {
  EXPECT_EQ(StartCodeWarning("veltrisko", "horizontal", "130VA20", "130VA20"), "");
  EXPECT_NE(StartCodeWarning("veltrisko", "horizontal", "XYZ", "030EA00").find("\"XYZ\""),
            std::string::npos);
  EXPECT_NE(StartCodeWarning("veltrisko", "vertical", "000EA10", "000EA10").find("vertical"),
            std::string::npos);
}

}  // namespace
}  // namespace veltrisko
