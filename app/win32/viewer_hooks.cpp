// SPDX-License-Identifier: MIT
#include "app/win32/viewer_hooks.h"

#include <map>
#include <vector>

namespace veltrisko {
namespace {

std::map<int, CommandHandler>& Handlers() {
  static std::map<int, CommandHandler> handlers;
  return handlers;
}

std::map<int, std::function<bool()>>& CheckMarks() {
  static std::map<int, std::function<bool()>> marks;
  return marks;
}

std::vector<std::function<void()>>& Listeners() {
  static std::vector<std::function<void()>> listeners;
  return listeners;
}

std::vector<std::function<void(InfoLegendContent&)>>& LegendAdditions() {
  static std::vector<std::function<void(InfoLegendContent&)>> additions;
  return additions;
}

}  // namespace

void AddCommandHandler(int command, CommandHandler handler) {
  Handlers()[command] = std::move(handler);
}

void AddCheckMark(int command, std::function<bool()> checked) {
  CheckMarks()[command] = std::move(checked);
}

void AddRepaintListener(std::function<void()> listener) {
  Listeners().push_back(std::move(listener));
}

void AddInfoLegendAddition(std::function<void(InfoLegendContent&)> addition) {
  LegendAdditions().push_back(std::move(addition));
}

bool HasFeatureCommand(int command) { return Handlers().count(command) != 0; }

bool RunFeatureCommand(int command, bool& changed) {
  const auto found = Handlers().find(command);
  if (found == Handlers().end()) return false;
  changed = found->second();
  return true;
}

bool FeatureCheckMark(int command, bool& checked) {
  const auto found = CheckMarks().find(command);
  if (found == CheckMarks().end()) return false;
  checked = found->second();
  return true;
}

void NotifyRepaintListeners() {
  for (const auto& listener : Listeners()) listener();
}

}  // namespace veltrisko

namespace veltrisko {

void AddToInfoLegend(InfoLegendContent& content) {
  for (const auto& addition : LegendAdditions()) addition(content);
}

}  // namespace veltrisko
