// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "scene/scene_state.h"

namespace veltrisko {

// Carries out a menu or keyboard command that only changes the scene; false
// for every other command number (those act on windows).
bool ApplySceneCommand(SceneState& scene, int command);

// The check mark of a menu item when its menu opens; nullopt for items that
// carry none.
std::optional<bool> CheckMarkOf(const SceneState& scene, bool legendsVisible, int command);

}  // namespace veltrisko
