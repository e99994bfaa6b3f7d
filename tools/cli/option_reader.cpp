// SPDX-License-Identifier: MIT
#include "tools/cli/option_reader.h"

#include <cmath>
#include <utility>

#include "tools/cli/number_field.h"

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

std::optional<std::string> OptionReader::Read(const std::vector<std::string>& args) const {
  std::vector<const Option*> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Option* option = Find(args[i]);
    const bool operand = args[i] == "-" || args[i].empty() || args[i][0] != '-';
    if (option == nullptr && operand && operands_) {
      if (auto problem = operands_(args[i])) return command_ + ": " + *problem;
      continue;
    }
    if (option == nullptr) return command_ + ": unknown option '" + args[i] + "'";
    given.push_back(option);
    if (option->take == nullptr) {
      option->set();
      continue;
    }
    if (i + 1 >= args.size()) return command_ + ": " + option->name + " needs a value";
    if (!option->take(args[++i])) return command_ + ": " + option->name + " " + option->refusal;
  }
  for (const Option& option : options_) {
    if (!option.required) continue;
    bool present = false;
    for (const Option* seen : given) present = present || seen == &option;
    if (!present) {
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
