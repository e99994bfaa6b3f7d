// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltrisko::tool {

// Reads a value given on the command line and stores it where the command
// wants it; false refuses the value.
using TakeValue = std::function<bool(const std::string& value)>;

// The options of one command, declared once each:
//
//   OptionReader reader("table");
//   reader.Value("--step", "DEG", NumberInto(step, [](float s) { return s >= 0.01f; }),
//                "must be a number from 0.01 on");
//   reader.Value("--horizontal", "CODE", TextInto(code)).Required();
//   reader.Flag("--force", [&] { force = true; });
//   if (auto problem = reader.Read(args)) return UsageError(*problem);
//
// Every problem is reported as "<command>: <text>", naming the option.
class OptionReader {
 public:
  explicit OptionReader(std::string command) : command_(std::move(command)) {}

  // An option followed by a value. `refusal` completes the message for a
  // value that `take` refuses: "--step must be a number from 0.01 to 180".
  OptionReader& Value(std::string name, std::string valueName, TakeValue take,
                      std::string refusal = "is not valid");
  // An option without a value.
  OptionReader& Flag(std::string name, std::function<void()> set);
  // Makes the option declared last one that must be given.
  OptionReader& Required();
  // Takes the words that are not options (a lone "-" is one) in order;
  // `take` returns the problem with a word, if any. Without it such a word
  // is an unknown option.
  OptionReader& Operands(std::function<std::optional<std::string>(const std::string& word)> take);

  // Options of which at most one may be given ("--csv and --json exclude
  // each other").
  OptionReader& Exclusive(std::vector<std::string> names);

  // Reads the arguments in order: "--name VALUE" or "--name=VALUE"; an
  // option given twice, a flag given a value and options that exclude each
  // other are refused. Returns the usage message of the first problem, or,
  // for "--help" where an option may stand, HelpRequest(command).
  std::optional<std::string> Read(const std::vector<std::string>& args) const;

  const std::string& Command() const { return command_; }

 private:
  struct Option {
    std::string name;
    std::string valueName;  // empty for a flag
    TakeValue take;
    std::function<void()> set;
    std::string refusal;
    bool required = false;
  };

  const Option* Find(const std::string& name) const;

  std::string command_;
  std::vector<Option> options_;
  std::vector<std::vector<std::string>> exclusive_;
  std::function<std::optional<std::string>(const std::string&)> operands_;
};

// The answer of Read to "--help": not a problem but a request for the
// command's help; HelpRequested gives the command back.
std::string HelpRequest(const std::string& command);
std::optional<std::string> HelpRequested(const std::string& problem);

// Value readers for the common kinds of option.

// Any text, the empty one included.
TakeValue TextInto(std::string& into);
// A text that is not empty.
TakeValue NonEmptyTextInto(std::string& into);
// A finite number (see ParseFloatField) that `accept` accepts.
TakeValue NumberInto(float& into, std::function<bool(float)> accept);
// One of the listed words; `into` gets the value paired with it.
template <typename T>
TakeValue OneOf(T& into, std::vector<std::pair<std::string, T>> choices) {
  return [&into, choices = std::move(choices)](const std::string& value) {
    for (const auto& [word, meaning] : choices) {
      if (word == value) {
        into = meaning;
        return true;
      }
    }
    return false;
  };
}

}  // namespace veltrisko::tool
