// SPDX-License-Identifier: MIT
#include "app/logic/scene_commands.h"

#include "app/logic/main_menu.h"

namespace veltrisko {

namespace {

// The display options that a menu item toggles and shows as its check mark.
struct ToggleCommand {
  int command;
  bool SceneState::*flag;
};

constexpr ToggleCommand kToggleCommands[] = {
    {kCmdVerticalDiagram, &SceneState::showVerticalDiagram},
    {kCmdHorizontalDiagram, &SceneState::showHorizontalDiagram},
    {kCmdSurface, &SceneState::showSurface},
    {kCmdGrid, &SceneState::showGrid},
    {kCmdHorizontalCut, &SceneState::showHorizontalCut},
    {kCmdFalseColour, &SceneState::falseColour},
};

const ToggleCommand* ToggleCommandOf(int command) {
  for (const ToggleCommand& toggle : kToggleCommands) {
    if (toggle.command == command) return &toggle;
  }
  return nullptr;
}

const ResolutionChoice* ResolutionChoiceOf(int command) {
  for (const ResolutionChoice& choice : kResolutionChoices) {
    if (choice.command == command) return &choice;
  }
  return nullptr;
}

}  // namespace

bool ApplySceneCommand(SceneState& scene, int command) {
  constexpr AxisAngles kNoAxisTurn{0.0f, 0.0f};
  switch (command) {
    case kCmdTiltUp:
      scene.TiltModel(kNoAxisTurn, -kViewStepRadians);
      return true;
    case kCmdTiltDown:
      scene.TiltModel(kNoAxisTurn, kViewStepRadians);
      return true;
    case kCmdAzimuthLeft:
      scene.ChangeAzimuth(-kViewStepRadians);
      return true;
    case kCmdAzimuthRight:
      scene.ChangeAzimuth(kViewStepRadians);
      return true;
    case kCmdElevationUp:
      scene.ChangeElevation(-kViewStepRadians);
      return true;
    case kCmdElevationDown:
      scene.ChangeElevation(kViewStepRadians);
      return true;
    case kCmdResetView:
      scene.ResetView();
      return true;
    default:
      break;
  }
  if (const ToggleCommand* toggle = ToggleCommandOf(command)) {
    scene.*toggle->flag = !(scene.*toggle->flag);
    return true;
  }
  if (const ResolutionChoice* choice = ResolutionChoiceOf(command)) {
    scene.resolutionStep = choice->step;
    return true;
  }
  return false;
}

std::optional<bool> CheckMarkOf(const SceneState& scene, bool legendsVisible, int command) {
  if (command == kCmdLegend) return legendsVisible;
  if (const ToggleCommand* toggle = ToggleCommandOf(command)) return scene.*toggle->flag;
  if (const ResolutionChoice* choice = ResolutionChoiceOf(command)) {
    return scene.resolutionStep == choice->step;
  }
  return std::nullopt;
}

}  // namespace veltrisko
