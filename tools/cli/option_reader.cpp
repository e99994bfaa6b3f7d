// SPDX-License-Identifier: MIT
#include "tools/cli/option_reader.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "text/number_field.h"

namespace veltrisko::tool {

OptionReader& OptionReader::Value(std::string name, std::string valueName, TakeValue take,
                                  std::string refusal) {
  options_.push_back(
      {std::move(name), std::move(valueName), std::move(take), nullptr, std::move(refusal)});
  return *this;
}

OptionReader& OptionReader::Flag(std::string name, std::function<void()> set) {
  options_.push_back({std::move(name), "", nullptr, std::move(set), ""});
  return *this;
}

OptionReader& OptionReader::Required() {
  if (!options_.empty()) options_.back().required = true;
  return *this;
}

OptionReader& OptionReader::Operands(
    std::function<std::optional<std::string>(const std::string& word)> take) {
  operands_ = std::move(take);
  return *this;
}

const OptionReader::Option* OptionReader::Find(const std::string& name) const {
  for (const Option& option : options_) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

OptionReader& OptionReader::Exclusive(std::vector<std::string> names) {
  exclusive_.push_back(std::move(names));
  return *this;
}

namespace {

// Marks a request for help; no option or message begins with it.
constexpr std::string_view kHelpMark = "\x01help ";

}  // namespace

std::string HelpRequest(const std::string& command) { return std::string(kHelpMark) + command; }

std::optional<std::string> HelpRequested(const std::string& problem) {
  if (problem.rfind(kHelpMark, 0) != 0) return std::nullopt;
  return problem.substr(kHelpMark.size());
}

std::optional<std::string> OptionReader::Read(const std::vector<std::string>& args) const {
  std::vector<const Option*> given;
  const auto wasGiven = [&given](const Option* option) {
    return std::find(given.begin(), given.end(), option) != given.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string word = args[i];
    std::optional<std::string> attached;  // the VALUE of --name=VALUE
    if (const std::size_t equals = word.find('=');
        word.rfind("--", 0) == 0 && equals != std::string::npos) {
      attached = word.substr(equals + 1);
      word.resize(equals);
    }
    const Option* option = Find(word);
    const bool operand = word == "-" || word.empty() || word[0] != '-';
    if (option == nullptr && operand && operands_) {
      if (auto problem = operands_(args[i])) return command_ + ": " + *problem;
      continue;
    }
    if (option == nullptr && word == "--help" && !attached) return HelpRequest(command_);
    if (option == nullptr) return command_ + ": unknown option '" + word + "'";
    if (wasGiven(option)) return command_ + ": " + option->name + " is given twice";
    given.push_back(option);
    if (option->take == nullptr) {
      if (attached) return command_ + ": " + option->name + " takes no value";
      option->set();
      continue;
    }
    if (!attached && i + 1 >= args.size()) return command_ + ": " + option->name + " needs a value";
    const std::string& value = attached ? *attached : args[++i];
    if (!option->take(value)) return command_ + ": " + option->name + " " + option->refusal;
  }
  for (const std::vector<std::string>& names : exclusive_) {
    std::vector<std::string> present;
    for (const std::string& name : names) {
      const Option* option = Find(name);
      if (option != nullptr && wasGiven(option)) present.push_back(name);
    }
    if (present.size() > 1) {
      return command_ + ": " + present[0] + " and " + present[1] + " exclude each other";
    }
  }
  for (const Option& option : options_) {
    if (option.required && !wasGiven(&option)) {
      return command_ + ": " + option.name + " " + option.valueName + " is required";
    }
  }
  return std::nullopt;
}

TakeValue TextInto(std::string& into) {
  return [&into](const std::string& value) {
    into = value;
    return true;
  };
}

TakeValue NonEmptyTextInto(std::string& into) {
  return [&into](const std::string& value) {
    if (value.empty()) return false;
    into = value;
    return true;
  };
}

TakeValue NumberInto(float& into, std::function<bool(float)> accept) {
  return [&into, accept = std::move(accept)](const std::string& value) {
    const std::optional<float> number = ParseFloatField(value);
    if (!number || !std::isfinite(*number) || !accept(*number)) {
      return false;
    }
    into = *number;
    return true;
  };
}

}  // namespace veltrisko::tool
