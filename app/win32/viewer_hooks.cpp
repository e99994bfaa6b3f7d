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

std::vector<std::function<void()>>& Listeners() {
  static std::vector<std::function<void()>> listeners;
  return listeners;
}

}  // namespace

void AddCommandHandler(int command, CommandHandler handler) {
  Handlers()[command] = std::move(handler);
}

void AddRepaintListener(std::function<void()> listener) {
  Listeners().push_back(std::move(listener));
}

bool RunFeatureCommand(int command, bool& changed) {
  const auto found = Handlers().find(command);
  if (found == Handlers().end()) return false;
  changed = found->second();
  return true;
}

void NotifyRepaintListeners() {
  for (const auto& listener : Listeners()) listener();
}

}  // namespace veltrisko
